#include "qt/edit_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <utility>

#include "form/key_codes.h"

namespace qt {

std::optional<int> KeyAsciiOf(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return form::kEnter;
        case Qt::Key_Escape:
            return form::kEscape;
        case Qt::Key_Backspace:
            return form::kBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    if (alt && !control) return std::nullopt;
    if (control && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_BracketRight) return key - Qt::Key_A + 1;
        return std::nullopt;
    }
    if (text.isEmpty()) return std::nullopt;
    const int code = text.at(0).unicode();
    // Control characters not mapped above (Delete's 127 among them) are no typed characters.
    if (code < 32 || code == 127) return std::nullopt;
    return code;
}

EditBox::EditBox(int box, BoxEvents& events, QWidget* parent)
    : QLineEdit(parent), box_(box), events_(&events) {
    setObjectName(QStringLiteral("Text%1").arg(box));
    // Dropped text would change a box past its handlers, like no other way of typing.
    setAcceptDrops(false);
}

void EditBox::WriteText(const QString& text) {
    setText(text);
    setCursorPosition(0);
    if (QApplication::focusWidget() == this && !arrived_) writtenOnArrival_ = true;
}

QRect EditBox::CharacterRect(int offset) const {
    const QString content = text();
    if (offset < 0 || offset >= content.size()) return {};
    // As QLineEdit lays out its line: a margin of 2 pixels either side, the text and the caret
    // centred on what is left.
    constexpr int kLineMargin = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QRect line = contents.adjusted(kLineMargin, 0, -kLineMargin, 0);
    const QFontMetrics metrics = fontMetrics();
    const int caretWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    const int used = metrics.horizontalAdvance(content) + 1 + caretWidth;
    const int left = line.x() + (line.width() - used) / 2;
    const int top = line.y() + (line.height() - metrics.height() + 1) / 2;
    return QRect(left + metrics.horizontalAdvance(content.left(offset)), top,
                 metrics.horizontalAdvance(content.at(offset)), metrics.height());
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> typed = KeyAsciiOf(event->key(), event->modifiers(), event->text());
    if (!typed) {
        // Alt+key goes to the window (Alt+F4); the rest are the box's own editing keys.
        if ((event->modifiers() & Qt::AltModifier) && !(event->modifiers() & Qt::ControlModifier))
            event->ignore();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->text().size() > 1 && !(event->modifiers() & Qt::ControlModifier)) {
        TypeCharacters(event->text());
        return;
    }
    int keyAscii = *typed;
    if (events_) events_->KeyPress(box_, keyAscii);
    event->accept();
    // A single-line box does nothing with Enter and Escape, and they must not reach the window.
    if (keyAscii == 0 || keyAscii == form::kEnter || keyAscii == form::kEscape) return;
    // Nor does Backspace with Ctrl held delete (Ctrl+H, Ctrl+Backspace), as in the Win32 window.
    if (keyAscii == form::kBackspace && (event->modifiers() & Qt::ControlModifier)) return;
    // The character is applied, not the key: with Ctrl or Alt held the key would run one of the
    // box's editing shortcuts (Ctrl+Shift+Backspace clears the line, Ctrl+U and Ctrl+K do on X11)
    // and empty a letter box whose handler has just written its letter.
    ApplyCharacter(keyAscii);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters (dead keys, input methods) are typed characters like any other. A
    // composition still pending is not given to the line edit: it would delete the selected text
    // with no handler told, and keep drawing the pending mark once the character is discarded.
    TypeCharacters(event->commitString());
    event->accept();
}

void EditBox::TypeCharacters(const QString& text) {
    for (const QChar c : text) {
        int keyAscii = c.unicode();
        if (events_) events_->KeyPress(box_, keyAscii);
        ApplyCharacter(keyAscii);
    }
}

void EditBox::ApplyCharacter(int keyAscii) {
    if (keyAscii >= 32)
        insert(QString(QChar(static_cast<char16_t>(keyAscii))));
    else if (keyAscii == form::kBackspace)
        backspace();
}

void EditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    arrived_ = true;
    // A click places its caret after this.
    if (event->reason() != Qt::MouseFocusReason) KeepWrittenCaret();
    if (events_) events_->FocusIn(box_, event->reason());
}

void EditBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    KeepWrittenCaret();
}

void EditBox::KeepWrittenCaret() {
    if (std::exchange(writtenOnArrival_, false)) setCursorPosition(0);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    arrived_ = false;
    writtenOnArrival_ = false;
    QLineEdit::focusOutEvent(event);
    if (events_) events_->FocusOut(box_, event->reason());
}

}  // namespace qt
