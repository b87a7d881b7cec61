// Replays every user session through the real Win32 window and its message loop.
#include <map>
#include <string>
#include <vector>

#include "sessions/session.h"
#include "tally.h"
#include "test_window.h"
#include "user_input.h"

namespace win32_test {

namespace {

using win32::BoxId;
using win32::LabelId;
using win32::ToUtf16;
using sessions::Action;
using sessions::Step;

struct Key {
    UINT virtualKey;
    bool control;
};

const std::map<std::string, Key> kKeys{
    {"Enter", {VK_RETURN, false}},  {"Escape", {VK_ESCAPE, false}}, {"Backspace", {VK_BACK, false}},
    {"Delete", {VK_DELETE, false}}, {"Left", {VK_LEFT, false}},     {"Right", {VK_RIGHT, false}},
    {"Home", {VK_HOME, false}},     {"End", {VK_END, false}},       {"CtrlV", {'V', true}},
};

std::string NameOf(HWND control) {
    const int id = control ? GetDlgCtrlID(control) : 0;
    if (id > BoxId(0) && id < LabelId(0)) return "Text" + std::to_string(id - BoxId(0));
    return control ? "a window that is no box" : "nothing";
}

// Runs one step; returns what an expectation found wrong, or nothing.
std::string Run(TestWindow& window, const UserInput& user, const Step& step) {
    switch (step.action) {
        case Action::Click:
            user.click(window.Box(step.control));
            break;
        case Action::Tab:
            user.pressKey(VK_TAB);
            break;
        case Action::Backtab:
            user.pressKey(VK_TAB, true);
            break;
        case Action::Type:
            user.type(ToUtf16(step.text));
            break;
        case Action::Key: {
            const auto key = kKeys.find(step.text);
            if (key == kKeys.end()) return "no such key: " + step.text;
            user.pressKey(key->second.virtualKey, false, key->second.control);
            break;
        }
        case Action::Paste:
            if (NameOf(GetFocus()).rfind("Text", 0) != 0)
                return "no box has the focus to paste into";
            user.paste(ToUtf16(step.text));
            break;
        case Action::ExpectText: {
            const int id = step.control > 0 ? BoxId(step.control) : LabelId(-step.control);
            const std::string actual = window.TextOf(id);
            if (actual != step.text) return "found \"" + actual + "\"";
            break;
        }
        case Action::ExpectFocus:
            if (GetFocus() != window.Box(step.control)) return "focus is in " + NameOf(GetFocus());
            break;
        case Action::ExpectBeeps:
            if (window.beeps != step.count) return std::to_string(window.beeps) + " beeps";
            break;
    }
    return {};
}

void Replay(Tally& tally, const sessions::Session& session) {
    const std::vector<Step> steps = sessions::Parse(session.script);
    TestWindow window;
    window.Show(SW_SHOWNORMAL);
    const UserInput user(window.Handle());
    user.settle();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string problem = Run(window, user, steps[i]);
        if (!problem.empty()) {
            tally.record(session.name, "step " + std::to_string(i + 1) + " of \"" + session.script +
                                           "\": " + problem);
            return;
        }
    }
    tally.record(session.name, "");
}

// Sets the user's decimal separator, as in the control panel, for as long as it lives.
class DecimalSeparator {
  public:
    explicit DecimalSeparator(const wchar_t* separator) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
    }
    ~DecimalSeparator() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
    DecimalSeparator(const DecimalSeparator&) = delete;
    DecimalSeparator& operator=(const DecimalSeparator&) = delete;

  private:
    wchar_t saved_[8]{};
};

const sessions::Session kCommaSessions[] = {
    {"Berlin to Munich where the locale writes a decimal comma",
     "type 13; tab; type 24; tab; tab; type e; tab; type 52; tab; type 31; tab; tab; tab;"
     "type 11; tab; type 35; tab; tab; tab; type 48; tab; type 8; tab; tab; type n;"
     "expect Label17 = 503,9 Km; expect Label20 = 195,5 Grad"},
    {"a pasted decimal comma is kept where the locale writes one, a point becomes 0",
     "click Text4; paste 1,5; tab; expect Text4 = 1,5; click Text10; paste 1.5; tab;"
     "expect Text10 = 0"},
};

}  // namespace

void SessionTests(Tally& tally) {
    for (const sessions::Session& session : sessions::AllSessions()) Replay(tally, session);

    const DecimalSeparator comma(L",");
    for (const sessions::Session& session : kCommaSessions) Replay(tally, session);
}

}  // namespace win32_test
