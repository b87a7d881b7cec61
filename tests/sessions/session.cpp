#include "sessions/session.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace sessions {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// "Text12" -> 12, "Label17" -> -17.
int ControlOf(const std::string& name) {
    if (name.rfind("Text", 0) == 0) return std::stoi(name.substr(4));
    if (name.rfind("Label", 0) == 0) return -std::stoi(name.substr(5));
    throw std::invalid_argument("not a control: " + name);
}

constexpr std::pair<const char*, Key> kKeyNames[] = {
    {"Enter", Key::Enter},   {"Escape", Key::Escape}, {"Backspace", Key::Backspace},
    {"Delete", Key::Delete}, {"Left", Key::Left},     {"Right", Key::Right},
    {"Home", Key::Home},     {"End", Key::End},
};

Step ParseStep(const std::string& step) {
    const auto blank = step.find(' ');
    const std::string verb = step.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : step.substr(blank + 1);
    if (verb == "click") {
        const std::string target = Trim(rest);
        const auto edge = target.find(' ');
        if (edge == std::string::npos) return {Action::Click, ControlOf(target), {}, 0};
        const std::string side = Trim(target.substr(edge));
        if (side != kLeftEdge && side != kRightEdge)
            throw std::invalid_argument("no edge: " + side);
        return {Action::Click, ControlOf(target.substr(0, edge)), side, 0};
    }
    if (verb == "right-click") return {Action::RightClick, ControlOf(Trim(rest)), {}, 0};
    if (verb == "tab") return {Action::Tab, 0, {}, 0};
    if (verb == "backtab") return {Action::Backtab, 0, {}, 0};
    if (verb == "type") return {Action::Type, 0, rest, 0};
    if (verb == "key") return KeyStep(Trim(rest));
    if (verb == "away" && rest.empty()) return {Action::Away, 0, {}, 0};
    if (verb == "paste") return {Action::Paste, 0, rest, 0};
    if (verb == "expect") {
        if (rest.rfind("focus ", 0) == 0)
            return {Action::ExpectFocus, ControlOf(Trim(rest.substr(6))), {}, 0};
        if (rest.rfind("selection ", 0) == 0)
            return {Action::ExpectSelection, 0, Trim(rest.substr(10)), 0};
        if (rest.rfind("beeps ", 0) == 0)
            return {Action::ExpectBeeps, 0, {}, std::stoi(rest.substr(6))};
        const auto eq = rest.find(" =");
        if (eq != std::string::npos) {
            std::string expected = rest.substr(eq + 2);
            if (!expected.empty() && expected.front() == ' ') expected.erase(0, 1);
            return {Action::ExpectText, ControlOf(Trim(rest.substr(0, eq))), expected, 0};
        }
    }
    throw std::invalid_argument("cannot read step: " + step);
}

}  // namespace

std::string ControlName(int control) {
    return (control > 0 ? "Text" : "Label") + std::to_string(std::abs(control));
}

Step KeyStep(const std::string& name) {
    Step step{Action::Key, 0, name, 0};
    for (const auto& [keyName, key] : kKeyNames)
        if (name == keyName) {
            step.key = key;
            return step;
        }
    if (name.size() == 5 && name.rfind("Ctrl", 0) == 0 && name[4] >= 'A' && name[4] <= 'Z') {
        step.key = Key::Ctrl;
        step.letter = name[4];
        return step;
    }
    throw std::invalid_argument("no such key: " + name);
}

std::vector<Step> Parse(const std::string& script) {
    std::vector<Step> steps;
    std::size_t start = 0;
    while (start <= script.size()) {
        auto end = script.find(';', start);
        if (end == std::string::npos) end = script.size();
        std::string step = script.substr(start, end - start);
        // Blanks after a ";" only separate steps; typed and pasted characters are kept as written.
        step.erase(0, std::min(step.find_first_not_of(' '), step.size()));
        if (step.rfind("type ", 0) != 0 && step.rfind("paste ", 0) != 0) step = Trim(step);
        if (!step.empty()) steps.push_back(ParseStep(step));
        start = end + 1;
    }
    return steps;
}

std::vector<NamedScript> ReadStepFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::invalid_argument("cannot read " + path);
    std::vector<NamedScript> sessions;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#') continue;
        try {
            if (line.rfind("= ", 0) == 0) {
                sessions.push_back({line.substr(2), {}});
                continue;
            }
            if (sessions.empty()) throw std::invalid_argument("steps before the first \"= NAME\"");
            for (Step& step : Parse(line)) sessions.back().steps.push_back(std::move(step));
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument(path + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    if (sessions.empty()) throw std::invalid_argument(path + ": no sessions");
    return sessions;
}

}  // namespace sessions
