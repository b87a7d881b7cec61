#include "qt/focus_before_caret.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace qt {

namespace {

// The focus widget when the focus was last reported. A focus reported inside it (a context
// menu's item) leaves it the focus widget, and its caret moves go out as before.
QPointer<QObject> focusWhenReported;

// Whether the event waits out the report of the focus. The caret moves and text changes of the
// box reached are read with the box when its focus is reported. So is its selection; a selection
// change before that, or in the box left, whose selection Qt takes away once the focus has gone,
// would be said on its own.
bool Held(const QAccessibleEvent& event) {
    const QObject* const focus = QApplication::focusWidget();
    const QObject* const source = event.object();
    if (source == nullptr) return false;
    const bool reported = focus == focusWhenReported;
    switch (event.type()) {
        case QAccessible::TextCaretMoved:
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
            return source == focus && !reported;
        case QAccessible::TextSelectionChanged:
            return source != focus || !reported;
        default:
            return false;
    }
}

void Update(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus)
        focusWhenReported = QApplication::focusWidget();
    else if (Held(*event))
        return;
    // Qt hands an update to the platform only while no filter is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Update);
}

}  // namespace

void ReportFocusBeforeCaret() {
    QAccessible::installUpdateHandler(Update);
}

}  // namespace qt
