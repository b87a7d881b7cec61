// Sentences for a screen reader to speak without the focus moving, such as the new results.
//
// Qt 6.4 has no announcement event, and what it sends for a changed name or description carries
// the object instead of the text, which a screen reader (Orca 43) cannot speak. What Orca does
// speak is a notification that shows: the announcer appears to assistive technology as a
// notification of the window, nothing on screen, and each sentence shows it anew with the
// sentence as its name.
#pragma once

#include <QAccessibleObject>
#include <QObject>
#include <QString>
#include <QTimer>

namespace qt {

class Announcer : public QObject {
  public:
    explicit Announcer(QObject* parent);

    // Speaks the sentence once the events now under way are done: a recalculation on leaving a
    // box runs before the next box is reported as focused, and a screen reader cuts short what it
    // is saying when the focus moves. A later sentence replaces one still queued.
    void Queue(const QString& sentence);
    // Drops the queued sentence and hides the one shown, for results that are gone.
    void Withdraw();

    QString Sentence() const { return sentence_; }
    bool Showing() const { return showing_; }

  private:
    void Show();
    void Notify(QAccessible::Event event);

    QString queued_;
    QString sentence_;
    bool showing_ = false;
    QTimer timer_;
};

// What assistive technology reads of the announcer: a notification named by its sentence, with
// no place on screen.
class AccessibleAnnouncer : public QAccessibleObject {
  public:
    explicit AccessibleAnnouncer(Announcer* announcer);

    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;
    QRect rect() const override { return {}; }

  private:
    const Announcer* Object() const;
};

}  // namespace qt
