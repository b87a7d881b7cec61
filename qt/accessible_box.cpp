#include "qt/accessible_box.h"

#include "qt/edit_box.h"

namespace qt {

AccessibleBox::AccessibleBox(EditBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("returnPressed()"));
}

EditBox* AccessibleBox::Box() const {
    return static_cast<EditBox*>(widget());
}

int AccessibleBox::Resolved(int offset) const {
    return offset == -2 ? cursorPosition() : offset;
}

QString AccessibleBox::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Value:
            return Box()->text();
        default:
            return QAccessibleWidget::text(t);
    }
}

void AccessibleBox::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value)
        Box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State AccessibleBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (Box()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void* AccessibleBox::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Box()->hasSelectedText()) return;
    *startOffset = Box()->selectionStart();
    *endOffset = *startOffset + Box()->selectionLength();
}

int AccessibleBox::selectionCount() const {
    return Box()->hasSelectedText() ? 1 : 0;
}

void AccessibleBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleBox::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Box()->deselect();
}

void AccessibleBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) Box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleBox::cursorPosition() const {
    return Box()->cursorPosition();
}

void AccessibleBox::setCursorPosition(int position) {
    Box()->setCursorPosition(position);
}

QString AccessibleBox::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) return {};
    return Box()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textBeforeOffset(Resolved(offset), boundaryType, startOffset,
                                                      endOffset);
}

QString AccessibleBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textAfterOffset(Resolved(offset), boundaryType, startOffset,
                                                     endOffset);
}

QString AccessibleBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                    int* startOffset, int* endOffset) const {
    int at = Resolved(offset);
    // Asked for the word at the end of the text, Qt (6.4 and 6.8 alike) looks for the word's end
    // for ever and the window hangs; a screen reader asks so with the caret after the last digit
    // typed. The word there is the one that ends there, whichever Qt runs.
    if (boundaryType != QAccessible::CharBoundary && at > 0 && at == characterCount()) --at;
    return QAccessibleTextInterface::textAtOffset(at, boundaryType, startOffset, endOffset);
}

int AccessibleBox::characterCount() const {
    return static_cast<int>(Box()->text().size());
}

QRect AccessibleBox::characterRect(int offset) const {
    const QRect rect = Box()->CharacterRect(offset);
    if (rect.isEmpty()) return {};
    return QRect(Box()->mapToGlobal(rect.topLeft()), rect.size());
}

int AccessibleBox::offsetAtPoint(const QPoint& point) const {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
}

void AccessibleBox::scrollToSubstring(int startIndex, int endIndex) {
    Box()->setCursorPosition(endIndex);
    Box()->setCursorPosition(startIndex);
}

QString AccessibleBox::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run over the whole text, however it is asked for: the box has a single font and colour.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleBox::deleteText(int startOffset, int endOffset) {
    Box()->setText(Box()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleBox::insertText(int offset, const QString& text) {
    Box()->setText(Box()->text().insert(offset, text));
}

void AccessibleBox::replaceText(int startOffset, int endOffset, const QString& text) {
    Box()->setText(Box()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace qt
