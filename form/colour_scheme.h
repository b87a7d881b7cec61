// The colours the window is drawn in, from the design's fixed colours and the system's scheme.
//
// The boxes and result fields keep their peach background in every normal scheme, so their text
// cannot simply be the system's: a dark scheme's near-white text would vanish on peach. Under
// Windows high contrast the window follows the system's colours throughout instead, as Windows
// expects of every program in that mode.
#pragma once

#include "form/layout.h"

namespace form {

// The WCAG 2 contrast ratio of two 0xRRGGBB colours, from 1 (none) to 21 (black and white). Text
// reads from 4.5:1 on.
double ContrastRatio(unsigned a, unsigned b);
inline constexpr double kReadableContrast = 4.5;

// The system's colours the window may take, 0xRRGGBB.
struct SystemColours {
    unsigned window;      // behind the text of edit boxes
    unsigned windowText;  // the text of edit boxes
    unsigned buttonFace;  // behind dialogs and their labels
    unsigned buttonText;  // the text of labels
};

struct ColourScheme {
    unsigned window;  // the client area, behind the headings and unit signs
    unsigned heading;
    unsigned unitSign;
    unsigned field;    // the boxes and result labels
    unsigned figures;  // the text in the boxes and result labels
    unsigned line;

    unsigned TextOf(LabelKind kind) const;
    unsigned BackgroundOf(LabelKind kind) const;
    bool operator==(const ColourScheme&) const = default;
};

// Without high contrast the design's colours, with the system's text colour for the figures where
// it reads on peach and black otherwise; with high contrast the system's colours.
ColourScheme SchemeOf(bool highContrast, const SystemColours& system);

}  // namespace form
