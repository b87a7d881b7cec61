#include "qt/announcer.h"

#include <QAccessible>
#include <utility>

namespace qt {

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
    if (!showing_) return;
    showing_ = false;
    sentence_.clear();
    Notify(QAccessible::NameChanged);
    Notify(QAccessible::ObjectHide);
}

void Announcer::Show() {
    sentence_ = std::exchange(queued_, QString());
    showing_ = true;
    // The name first: a screen reader that has read it before asks again.
    Notify(QAccessible::NameChanged);
    Notify(QAccessible::ObjectShow);
}

void Announcer::Notify(QAccessible::Event type) {
    QAccessibleEvent event(this, type);
    QAccessible::updateAccessibility(&event);
}

AccessibleAnnouncer::AccessibleAnnouncer(Announcer* announcer) : QAccessibleObject(announcer) {}

const Announcer* AccessibleAnnouncer::Object() const {
    return static_cast<const Announcer*>(object());
}

QAccessibleInterface* AccessibleAnnouncer::parent() const {
    return QAccessible::queryAccessibleInterface(object()->parent());
}

QString AccessibleAnnouncer::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? Object()->Sentence() : QString();
}

QAccessible::State AccessibleAnnouncer::state() const {
    QAccessible::State state;
    state.invisible = !Object()->Showing();
    return state;
}

}  // namespace qt
