// The window without a toolkit, for the form's tests and the arithmetic fuzzer: texts in tables,
// numbers read as C++ writes them (a decimal point, no blanks), every beep and sentence kept.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "form/controls.h"

namespace sessions {

class PlainControls : public form::Controls {
  public:
    // The boxes as the window opens; no label written yet.
    PlainControls();

    std::string BoxText(int box) const override { return boxes.at(box); }
    void SetBoxText(int box, std::string_view text) override { boxes[box] = text; }
    void SetLabelCaption(int label, std::string_view caption) override { labels[label] = caption; }
    void Beep() override { ++beeps; }
    void Announce(std::string_view message) override { announcements.emplace_back(message); }
    std::optional<double> ToNumber(std::string_view text) const override;
    std::string DecimalSeparator() const override { return "."; }

    std::map<int, std::string> boxes, labels;
    int beeps = 0;
    std::vector<std::string> announcements;
};

}  // namespace sessions
