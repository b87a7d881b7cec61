#include "form/colour_scheme.h"

#include <algorithm>
#include <cmath>

namespace form {

namespace {

// One sRGB channel of 0 to 255 in linear light.
double Linear(unsigned channel) {
    const double c = (channel & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// From 0 for black to 1 for white.
double RelativeLuminance(unsigned rgb) {
    return 0.2126 * Linear(rgb >> 16) + 0.7152 * Linear(rgb >> 8) + 0.0722 * Linear(rgb);
}

// The system's text colour where it reads on the background, otherwise black.
unsigned ReadableText(unsigned systemText, unsigned background) {
    return ContrastRatio(systemText, background) >= kReadableContrast ? systemText : 0x000000;
}

}  // namespace

double ContrastRatio(unsigned a, unsigned b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

unsigned ColourScheme::TextOf(LabelKind kind) const {
    if (kind == LabelKind::Heading) return heading;
    return kind == LabelKind::UnitSign ? unitSign : figures;
}

unsigned ColourScheme::BackgroundOf(LabelKind kind) const {
    return kind == LabelKind::Result ? field : window;
}

ColourScheme SchemeOf(bool highContrast, const SystemColours& system) {
    if (highContrast)
        return {system.buttonFace, system.buttonText, system.buttonText,
                system.window,     system.windowText, system.windowText};
    return {colour::kWindow,
            colour::kHeading,
            colour::kUnitSign,
            colour::kBox,
            ReadableText(system.windowText, colour::kBox),
            colour::kLine};
}

}  // namespace form
