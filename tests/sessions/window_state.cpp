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
        fields.emplace_back(ControlName(n), Escaped(state.boxes[n - 1]));
    fields.emplace_back(ControlName(-form::kDistanceLabel), Escaped(state.distance));
    fields.emplace_back(ControlName(-form::kCourseLabel), Escaped(state.course));
    fields.emplace_back("focus", state.focus ? ControlName(state.focus) : "none");
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

bool IsExpectation(const Step& step) {
    return step.action == Action::ExpectText || step.action == Action::ExpectFocus ||
           step.action == Action::ExpectSelection || step.action == Action::ExpectBeeps;
}

std::string Missed(const Step& expectation, const WindowState& state) {
    // The field of the line that the expectation reads, and what it expects there.
    std::string field, expected;
    switch (expectation.action) {
        case Action::ExpectText:
            field = ControlName(expectation.control);
            expected = Escaped(expectation.text);
            break;
        case Action::ExpectFocus:
            field = "focus";
            expected = ControlName(expectation.control);
            break;
        case Action::ExpectSelection:
            if (!state.focus) return "no box has the focus";
            field = "selection";
            expected = expectation.text;
            break;
        case Action::ExpectBeeps:
            field = "beeps";
            expected = std::to_string(expectation.count);
            break;
        default:
            return "not an expectation";
    }
    for (const auto& [name, value] : FieldsOf(state))
        if (name == field) return value == expected ? "" : field + " reads \"" + value + "\"";
    return "no such field: " + field;
}

}  // namespace sessions
