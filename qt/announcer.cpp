#include "qt/announcer.h"

#include <QAccessible>
#include <utility>

namespace qt {

namespace {

void Notify(QObject* object, QAccessible::Event type) {
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

Notice::Notice(const QString& sentence, QObject* parent) : QObject(parent), sentence_(sentence) {
    setObjectName(QStringLiteral("Notice"));
}

Announcer::Announcer(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("Announcer"));
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &Announcer::Show);
}

void Announcer::Queue(const QString& sentence) {
    queued_ = sentence;
    timer_.start();
}

void Announcer::Withdraw() {
    timer_.stop();
    queued_.clear();
    Remove();
}

void Announcer::Show() {
    Remove();
    // A child of the window, as assistive technology sees it.
    shown_ = new Notice(std::exchange(queued_, QString()), parent());
    Notify(shown_, QAccessible::ObjectCreated);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(shown_, shown_->Sentence());
    QAccessible::updateAccessibility(&event);
#else
    Notify(shown_, QAccessible::ObjectShow);
#endif
}

void Announcer::Remove() {
    if (!shown_) return;
    Notify(shown_, QAccessible::ObjectHide);
    Notify(shown_, QAccessible::ObjectDestroyed);
    delete shown_;
}

AccessibleNotice::AccessibleNotice(Notice* notice) : QAccessibleObject(notice) {}

QAccessibleInterface* AccessibleNotice::parent() const {
    return QAccessible::queryAccessibleInterface(object()->parent());
}

QString AccessibleNotice::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? static_cast<const Notice*>(object())->Sentence() : QString();
}

}  // namespace qt
