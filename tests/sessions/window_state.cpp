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

const std::string* TextOf(const WindowState& state, int control) {
    if (control > 0) return &state.boxes[control - 1];
    if (-control == form::kDistanceLabel) return &state.distance;
    if (-control == form::kCourseLabel) return &state.course;
    return nullptr;
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

bool IsExpectation(const Step& step) {
    return step.action == Action::ExpectText || step.action == Action::ExpectFocus ||
           step.action == Action::ExpectSelection || step.action == Action::ExpectBeeps;
}

std::string Missed(const Step& expectation, const WindowState& state) {
    const std::string selection =
        std::to_string(state.selectionStart) + "-" + std::to_string(state.selectionEnd);
    switch (expectation.action) {
        case Action::ExpectText: {
            const std::string* found = TextOf(state, expectation.control);
            if (!found) return "no such label";
            if (*found != expectation.text) return "found \"" + *found + "\"";
            break;
        }
        case Action::ExpectFocus:
            if (state.focus != expectation.control)
                return "focus is in " +
                       (state.focus ? "Text" + std::to_string(state.focus) : "no box");
            break;
        case Action::ExpectSelection:
            if (!state.focus) return "no box has the focus";
            if (selection != expectation.text) return "the selection is " + selection;
            break;
        case Action::ExpectBeeps:
            if (state.beeps != expectation.count) return std::to_string(state.beeps) + " beeps";
            break;
        default:
            return "not an expectation";
    }
    return {};
}

}  // namespace sessions
