// The form's logic on a window of plain strings: what no real window lets a user type or paste,
// but the logic must still survive.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>

#include "form/form.h"

namespace {

class PlainControls : public form::Controls {
  public:
    std::map<int, std::string> boxes, labels;
    int beeps = 0;

    std::string BoxText(int box) const override { return boxes.at(box); }
    void SetBoxText(int box, std::string_view text) override { boxes[box] = text; }
    void SetLabelCaption(int label, std::string_view caption) override { labels[label] = caption; }
    void Beep() override { ++beeps; }
    std::optional<double> ToNumber(std::string_view text) const override {
        const std::string s(text);
        char* end = nullptr;
        const double value = std::strtod(s.c_str(), &end);
        if (s.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
        return value;
    }
    std::string DecimalSeparator() const override { return "."; }
};

PlainControls Defaults() {
    PlainControls c;
    for (const auto& layout : form::kBoxesInTabOrder) c.boxes[layout.box] = layout.initialText;
    return c;
}

TEST(Form, ADegreesValueWhoseRadiansOverflowTripsTheGuard) {
    PlainControls controls = Defaults();
    controls.boxes[4] = "-1e308";
    controls.boxes[5] = "30";
    controls.labels[17] = "earlier";
    form::Form form(controls);
    form.Recalculate();
    EXPECT_EQ(controls.beeps, 1);
    EXPECT_EQ(controls.boxes[4], "0");
    EXPECT_EQ(controls.boxes[5], "0");
    EXPECT_EQ(controls.labels[17], "earlier");
}

TEST(Form, ANonNumericBoxCountsAsZeroInTheRecalculation) {
    PlainControls controls = Defaults();
    controls.boxes[2] = "abc";
    form::Form form(controls);
    form.Recalculate();
    EXPECT_EQ(controls.labels[17], "0.00 Km");
    EXPECT_EQ(controls.labels[20], "egal");
    EXPECT_EQ(controls.boxes[2], "abc");
}

TEST(Form, NotificationsForBoxesThatDoNotExistAreIgnored) {
    PlainControls controls = Defaults();
    form::Form form(controls);
    int key = '5';
    for (int box : {0, 17, -1}) {
        form.GotFocus(box);
        form.KeyPress(box, key);
        form.LostFocus(box);
    }
    EXPECT_EQ(key, '5');
    EXPECT_TRUE(controls.labels.empty());
}

}  // namespace
