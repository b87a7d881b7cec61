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

bool IsCaretOrText(QAccessible::Event type) {
    return type == QAccessible::TextCaretMoved || type == QAccessible::TextInserted ||
           type == QAccessible::TextRemoved || type == QAccessible::TextUpdated;
}

void Update(QAccessibleEvent* event) {
    QObject* const focus = QApplication::focusWidget();
    const QObject* const source = event->object();
    if (event->type() == QAccessible::Focus) focusWhenReported = focus;
    // A caret move or a changed text in the box reached, before its focus is reported: the
    // screen reader reads the box whole with its focus.
    else if (IsCaretOrText(event->type()) && source != nullptr && source == focus &&
             focus != focusWhenReported)
        return;
    // The selection is read with the box when its focus is reported; before that, and in the box
    // left, whose selection Qt takes away once the focus has gone, it would be said on its own.
    else if (event->type() == QAccessible::TextSelectionChanged && source != nullptr &&
             (source != focus || focus != focusWhenReported))
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
