#include "sessions/window_state.h"

#include <cstdio>

namespace sessions {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (code < 0x20 || code == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FieldsOf(const WindowState& state) {
    std::vector<std::pair<std::string, std::string>> fields;
    for (int n = 1; n <= form::kBoxCount; ++n)
        fields.emplace_back("Text" + std::to_string(n), Escaped(state.boxes[n - 1]));
    fields.emplace_back("Label" + std::to_string(form::kDistanceLabel), Escaped(state.distance));
    fields.emplace_back("Label" + std::to_string(form::kCourseLabel), Escaped(state.course));
    fields.emplace_back("focus", state.focus ? "Text" + std::to_string(state.focus) : "none");
    fields.emplace_back("selection", std::to_string(state.selectionStart) + "-" +
                                         std::to_string(state.selectionEnd));
    fields.emplace_back("beeps", std::to_string(state.beeps));
    return fields;
}

std::string LineOf(const WindowState& state) {
    std::string line;
    const char* separator = "";
    for (const auto& [name, value] : FieldsOf(state)) {
        line += separator + value;
        separator = "\t";
    }
    return line;
}

}  // namespace sessions
