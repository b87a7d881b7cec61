// A single-line edit box that delivers the notifications the form's handlers expect: a character
// notification with keyAscii for every key that produces a character, and focus gained and lost.
#pragma once

#include <QLineEdit>
#include <optional>

namespace qt {

// Where an edit box sends its notifications; the window implements it.
class BoxEvents {
  public:
    virtual ~BoxEvents() = default;
    // keyAscii is in and out: 0 afterwards discards the character.
    virtual void KeyPress(int box, int& keyAscii) = 0;
    virtual void FocusIn(int box, Qt::FocusReason reason) = 0;
    virtual void FocusOut(int box, Qt::FocusReason reason) = 0;
};

// The character code a key produces: Enter 13, Escape 27, Backspace 8, Ctrl+letter its control
// character (Ctrl+V is 22), otherwise the typed character. Nothing for keys that produce no
// character: Tab, Shift+Tab, Delete, arrows, Home, End, function keys, modifiers alone and
// Alt+key, which belongs to the window.
std::optional<int> KeyAsciiOf(int key, Qt::KeyboardModifiers modifiers, const QString& text);

class EditBox : public QLineEdit {
  public:
    EditBox(int box, BoxEvents& events, QWidget* parent);

    int Box() const { return box_; }

    // Stops the notifications, for a window that is being torn down.
    void Detach() { events_ = nullptr; }

    // The program's own write: the caret ends at the start with nothing selected.
    void WriteText(const QString& text);

    // Where the character at offset is drawn, in the box's pixels; empty past the text.
    QRect CharacterRect(int offset) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Notifies, then applies each character the handler let through.
    void TypeCharacters(const QString& text);
    // Applies a character the handler let through as the box's own typing would, within the
    // maximum length: a printable one is inserted, Backspace deletes; others do nothing.
    void ApplyCharacter(int keyAscii);

    // Puts the caret back where the program's write put it, if the write came while the focus
    // was on its way here.
    void KeepWrittenCaret();

    int box_;
    BoxEvents* events_;
    bool arrived_ = false;  // focusInEvent has come since the box last lost the focus
    // Qt moves the focus here before the box left is told, so a text that box's validation writes
    // here would come before this box's Tab selection and click caret. The write has the last word
    // instead, as in the Win32 window, where Tab selects and a click places the caret before the
    // focus moves.
    bool writtenOnArrival_ = false;
};

}  // namespace qt
