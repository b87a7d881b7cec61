#include "sessions/plain_controls.h"

#include <charconv>
#include <cmath>

#include "form/layout.h"

namespace sessions {

PlainControls::PlainControls() {
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder)
        boxes[layout.box] = layout.initialText;
}

std::optional<double> PlainControls::ToNumber(std::string_view text) const {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace sessions
