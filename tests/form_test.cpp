// The form's logic on a window of plain strings: what no real window lets a user type or paste,
// but the logic must still survive; the sentences said of the results. The window's colours in
// any scheme.
#include <gtest/gtest.h>

#include <vector>

#include "form/colour_scheme.h"
#include "form/form.h"
#include "form/layout.h"
#include "sessions/plain_controls.h"
#include "sessions/spoken_resets.h"
#include "sessions/worked_results.h"

namespace {

using sessions::PlainControls;

TEST(Form, ADegreesValueWhoseRadiansOverflowTripsTheGuard) {
    PlainControls controls;
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
    PlainControls controls;
    controls.boxes[2] = "abc";
    form::Form form(controls);
    form.Recalculate();
    EXPECT_EQ(controls.labels[17], "0.00 Km");
    EXPECT_EQ(controls.labels[20], "egal");
    EXPECT_EQ(controls.boxes[2], "abc");
}

TEST(Form, NotificationsForBoxesThatDoNotExistAreIgnored) {
    PlainControls controls;
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

// What a screen reader is told over a few steps of entry: "" takes back what was told.
TEST(Form, AnnouncementsAreNotRepeatedAndGoWithTheResults) {
    PlainControls controls;
    form::Form form(controls);
    const std::string results = "Entfernung 0.00 Km, Richtung egal";
    int key = '0';
    // Tab through two boxes without typing: the same results are told once.
    form.GotFocus(4);
    form.LostFocus(4);
    form.GotFocus(5);
    form.LostFocus(5);
    // Typing takes them back, once however many keys; the same results are told again after.
    form.GotFocus(6);
    form.KeyPress(6, key);
    form.KeyPress(6, key);
    controls.boxes[6] = "0";
    form.LostFocus(6);
    // A toggle says its new letter first; leaving an unchanged box after it says nothing more.
    form.KeyPress(14, key);
    form.GotFocus(1);
    form.LostFocus(1);
    EXPECT_EQ(controls.announcements,
              (std::vector<std::string>{results, "", results, "", "E, " + results}));
}

// Each box of the worked result's points holds its text.
PlainControls WithPoints(const char* workedResult) {
    PlainControls c;
    const auto texts = sessions::BoxTexts(sessions::WorkedResultNamed(workedResult).points);
    for (int box = 1; box <= form::kBoxCount; ++box) c.boxes[box] = texts[box - 1];
    return c;
}

// The captions as the worked results give them, and the sentence said of them: a meridian in
// words, everything else as its caption reads.
TEST(Form, TheResultsAreSaidAsTheCaptionsReadAndAMeridianInWords) {
    const struct {
        const char* workedResult;
        const char* spoken;
    } rows[] = {
        {"Berlin to Munich", "Entfernung 503.9 Km, Richtung 195.5 Grad"},
        {"from the north pole to Munich names its meridian",
         "Entfernung 4653 km, Richtung 13.4ter Längengrad Ost"},
        {"from the pole to 0 degrees east shows no minus sign",
         "Entfernung 8891 km, Richtung 0.0ter Längengrad West"},
    };
    for (const auto& r : rows) {
        PlainControls controls = WithPoints(r.workedResult);
        form::Form form(controls);
        form.Recalculate();
        EXPECT_EQ(controls.announcements, std::vector<std::string>{r.spoken}) << r.workedResult;
    }
}

TEST(Form, LeavingABoxThatIsResetSaysTheResetBeforeTheResults) {
    for (const auto& r : sessions::AllSpokenResets()) {
        PlainControls controls;
        for (const auto& [box, text] : r.texts) controls.boxes[box] = text;
        form::Form form(controls);
        form.GotFocus(r.left);
        form.LostFocus(r.left);
        EXPECT_EQ(controls.announcements, std::vector<std::string>{r.spoken}) << r.name;
    }
}

TEST(ColourScheme, ContrastRatios) {
    EXPECT_NEAR(form::ContrastRatio(0x000000, 0xFFFFFF), 21.0, 0.005) << "black on white";
    EXPECT_NEAR(form::ContrastRatio(0xFFFFFF, 0xFFE0C0), 1.26, 0.005) << "white on peach";
    EXPECT_NEAR(form::ContrastRatio(0x808080, 0xFFC080), 2.46, 0.005) << "grey under orange";
}

TEST(ColourScheme, SchemeFromHighContrastAndTheSystemColours) {
    // System colours: window, window text, button face, button text.
    const form::SystemColours light{0xFFFFFF, 0x000000, 0xF0F0F0, 0x000000},
        dark{0x2A2A2A, 0xEEEEEE, 0x353535, 0xEEEEEE}, blueText{0xFFFFFF, 0x000080, 0xF0F0F0, 0},
        greyText{0xFFFFFF, 0x767676, 0xF0F0F0, 0}, four{0x000000, 0xFFFF00, 0x000080, 0x00FFFF};
    // Window, heading, unit sign, field, figures, line: the design's with these figures.
    const auto design = [](unsigned figures) {
        return form::ColourScheme{0x808080, 0xFFC080, 0x000000, 0xFFE0C0, figures, 0x0000C0};
    };
    const struct {
        const char* name;
        bool highContrast;
        form::SystemColours system;
        form::ColourScheme expected;
    } rows[] = {
        {"a light scheme: the design, black figures", false, light, design(0x000000)},
        {"a dark scheme: black figures, not its near-white", false, dark, design(0x000000)},
        {"dark blue system text reads on peach and is kept", false, blueText, design(0x000080)},
        {"grey system text (3.6:1 on peach) gives way to black", false, greyText, design(0)},
        {"high contrast: labels in button colours, boxes and lines in window colours",
         true,
         four,
         {0x000080, 0x00FFFF, 0x00FFFF, 0x000000, 0xFFFF00, 0xFFFF00}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(form::SchemeOf(r.highContrast, r.system), r.expected) << r.name;
}

}  // namespace
