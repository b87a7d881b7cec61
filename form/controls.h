// The window as the form logic sees it: the few things the logic reads from and does to its
// controls. The Qt window and the Win32 window each implement this; nothing else of a toolkit
// reaches the logic.
//
// Boxes are numbered 1 to 16 (Text1..Text16), labels 1 to 20 (Label1..Label20). Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace form {

class Controls {
  public:
    virtual ~Controls() = default;

    virtual std::string BoxText(int box) const = 0;

    // Writes a box's text from the program; the caret ends at the start, nothing selected.
    virtual void SetBoxText(int box, std::string_view text) = 0;

    virtual void SetLabelCaption(int label, std::string_view caption) = 0;

    // The platform's default beep.
    virtual void Beep() = 0;

    // Tells assistive technology a sentence for the user to hear now, such as the new results; a
    // window without a screen reader attached does nothing with it. An empty message takes back
    // what was told, not yet spoken or still there to be read, when the results it spoke of are
    // gone. The form does not repeat a sentence until the results have been cleared.
    virtual void Announce(std::string_view message) = 0;

    // The user's locale's numeric test and conversion in one: the value of the text, or nothing
    // when the locale does not read it as a number or the number is not finite.
    virtual std::optional<double> ToNumber(std::string_view text) const = 0;

    // The user's locale's decimal separator, as rendered in results.
    virtual std::string DecimalSeparator() const = 0;
};

}  // namespace form
