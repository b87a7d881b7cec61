// Sentences for a screen reader to speak without the focus moving, such as the new results.
//
// Each sentence is a notice of its own, which assistive technology sees as a notification of the
// window, named by the sentence, with no place on screen. From Qt 6.8 on the notice sends Qt's own
// announcement of the sentence, which Orca 48 speaks as a message of the program. Qt 6.4 (Debian
// 12) has no announcement event, and what it sends for a changed name or description carries the
// object instead of the text, which a screen reader (Orca 43) cannot speak; there the notification
// shows, and Orca speaks its name, after its role word ("Benachrichtigung"), which the
// announcement spares.
//
// A sentence taken back takes its notice with it. A screen reader reads an event when it comes to
// it, which may be after the sentence was taken back, and passes over an event whose object is no
// more (Orca 43 and 48 alike): kept and emptied, the notice would say its bare role, kept whole,
// results that are gone.
#pragma once

#include <QAccessibleObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace qt {

// One sentence as a notification.
class Notice : public QObject {
  public:
    Notice(const QString& sentence, QObject* parent);
    QString Sentence() const { return sentence_; }

  private:
    QString sentence_;
};

class Announcer : public QObject {
  public:
    explicit Announcer(QObject* parent);

    // Speaks the sentence once the events now under way are done: a recalculation on leaving a
    // box runs before the next box is reported as focused, and a screen reader cuts short what it
    // is saying when the focus moves. A later sentence replaces one still queued.
    void Queue(const QString& sentence);
    // Drops the queued sentence and removes the one shown, for results that are gone.
    void Withdraw();

    // The notice of the sentence said, or none.
    Notice* Shown() const { return shown_; }

  private:
    void Show();
    void Remove();

    QString queued_;
    QPointer<Notice> shown_;
    QTimer timer_;
};

// What assistive technology reads of a notice: a notification of the window named by its
// sentence, with no place on screen.
class AccessibleNotice : public QAccessibleObject {
  public:
    explicit AccessibleNotice(Notice* notice);

    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return {}; }
};

}  // namespace qt
