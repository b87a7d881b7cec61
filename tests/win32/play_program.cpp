// Plays user sessions in the running fernbogen.exe from another process, as a user does: real key
// presses and mouse clicks through SendInput (under Wine the path of the hardware's input), and
// the window's texts and focus read back by control ID. The expectations in a row are awaited
// together, with a deadline, before the next action.
//   play_program --list FILE                    the names of the sessions in a step file
//   play_program [--start PROGRAM] FILE NAME    plays that session in the running program, or in
//                                               PROGRAM started for it
//   play_program --steps SCRIPT                 plays the steps of a script
// Prints what went wrong and exits with 1, or with 2 when it cannot play.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "accessibility_client.h"
#include "sessions/generator.h"
#include "sessions/session.h"
#include "sessions/window_state.h"
#include "state_reader.h"
#include "virtual_key.h"
#include "win32/control_ids.h"
#include "win32/utf16.h"

namespace {

using sessions::Action;
using sessions::Step;

constexpr DWORD kDeadline = 10000;       // ms for what a step awaits
constexpr DWORD kStartDeadline = 60000;  // for a program to start

// Polls until holds() or the deadline: no event tells of another process's texts.
template <typename Holds>
bool Await(Holds holds, DWORD deadline = kDeadline) {
    const ULONGLONG end = GetTickCount64() + deadline;
    while (!holds()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

// A program started for the session, until it ends.
class Started {
  public:
    explicit Started(const std::string& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + win32::ToUtf16(path) + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_))
            throw std::runtime_error("cannot start " + path);
        // Its window is shown and it waits for input: an event, not a time.
        WaitForInputIdle(process_.hProcess, kStartDeadline);
    }
    ~Started() {
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

  private:
    PROCESS_INFORMATION process_{};
};

// Stamped with the time as a device's input is: Wine does not stamp it, and finds double clicks
// by the time between two clicks.
void Send(std::vector<INPUT> inputs) {
    const DWORD now = GetTickCount();
    for (INPUT& input : inputs) (input.type == INPUT_MOUSE ? input.mi.time : input.ki.time) = now;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, DWORD flags, WORD scan = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan ? scan : static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

// A key pressed with the modifiers held around it.
void Press(WORD virtualKey, bool shift = false, bool control = false) {
    std::vector<INPUT> inputs;
    if (control) inputs.push_back(KeyInput(VK_CONTROL, 0));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, 0));
    inputs.push_back(KeyInput(virtualKey, 0));
    inputs.push_back(KeyInput(virtualKey, KEYEVENTF_KEYUP));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, KEYEVENTF_KEYUP));
    if (control) inputs.push_back(KeyInput(VK_CONTROL, KEYEVENTF_KEYUP));
    Send(inputs);
}

// A character by the key that types it, or as a character of its own where no key does.
void Type(wchar_t character) {
    const SHORT key = VkKeyScanW(character);
    if (key != -1) return Press(LOBYTE(key), HIBYTE(key) & 1, HIBYTE(key) & 2);
    Send({KeyInput(0, KEYEVENTF_UNICODE, character),
          KeyInput(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, character)});
}

class Player {
  public:
    // beside: the folder of the other test programs.
    Player(HWND window, std::string beside)
        : window_(window), reader_(window), beside_(std::move(beside)) {}

    // Plays the steps; what went wrong, or nothing.
    std::string Play(const std::vector<Step>& steps) {
        std::vector<const Step*> expected;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            if (i < steps.size() && sessions::IsExpectation(steps[i])) {
                expected.push_back(&steps[i]);
                continue;
            }
            const auto missed = [&] {
                std::string all;
                for (const Step* step : expected) all += Missed(*step);
                return all;
            };
            if (!Await([&] { return missed().empty(); }))
                return "before step " + std::to_string(i + 1) + ", awaited for 10 s:" + missed();
            expected.clear();
            if (i == steps.size()) break;
            if (std::string problem = Act(steps[i]); !problem.empty())
                return "step " + std::to_string(i + 1) + ": " + problem;
        }
        return {};
    }

    HWND Focus() const { return reader_.Focus(); }

  private:
    HWND Control(int control) const {
        return GetDlgItem(window_, control > 0 ? win32::BoxId(control) : win32::LabelId(-control));
    }

    std::string FocusName() const { return Focus() ? win32_test::ControlName(Focus()) : "nothing"; }

    // What an expectation finds otherwise, or nothing.
    std::string Missed(const Step& step) const {
        if (step.action == Action::ExpectBeeps)
            return " beeps, which another program cannot count;";
        const std::string missed = sessions::Missed(step, reader_.State(0));
        return missed.empty() ? missed : " " + sessions::ScriptOf(step) + ": " + missed + ";";
    }

    std::string Click(const Step& step) {
        const HWND control = Control(step.control);
        RECT r;
        GetWindowRect(control, &r);
        int x = (r.left + r.right) / 2;
        if (step.text == sessions::kLeftEdge) x = r.left + 3;
        if (step.text == sessions::kRightEdge) x = r.right - 4;
        const int y = (r.top + r.bottom) / 2;
        const bool right = step.action == Action::RightClick;
        // Two clicks at one place are a double click, which selects a word; Wine takes them for
        // one when they are a little more than the double-click time apart, too: a user clicks
        // there again only after three times that.
        if (x == lastClick_.x && y == lastClick_.y)
            while (GetTickCount64() < lastClickTime_ + 3 * GetDoubleClickTime()) Sleep(20);
        lastClick_ = {x, y};
        lastClickTime_ = GetTickCount64();
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN));
        move.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN));
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        INPUT down = move, up = move;
        down.mi.dwFlags |= right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        up.mi.dwFlags |= right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        Send({move, down, up});
        // The click brings the window back to the front, and a box takes the focus before the
        // keys after it come.
        if (elsewhere_ && !Await([&] { return GetForegroundWindow() == window_; }))
            return "the click did not bring the window back to the front";
        elsewhere_.reset();
        if (step.control > 0 && !right && !Await([&] { return Focus() == control; }))
            return "the click left the focus in " + FocusName();
        return {};
    }

    std::string Act(const Step& step) {
        if (elsewhere_ && step.action != Action::Click)
            return "another program is at the front: a click brings the user back";
        switch (step.action) {
            case Action::Click:
            case Action::RightClick:
                return Click(step);
            case Action::Away:
                elsewhere_ = std::make_unique<Started>(beside_ + "minimal_window.exe");
                if (!Await([&] { return GetForegroundWindow() != window_ && !Focus(); }))
                    return "another program came to the front, yet the focus stays in " +
                           FocusName();
                // The window is told of its deactivation by a message sent to it: one sent
                // after it returns once the window has handled that.
                SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kDeadline, nullptr);
                return {};
            case Action::Tab:
                Press(VK_TAB);
                break;
            case Action::Backtab:
                Press(VK_TAB, true);
                break;
            case Action::Type:
                for (const wchar_t character : win32::ToUtf16(step.text)) Type(character);
                break;
            case Action::Key:
                Press(win32_test::VirtualKeyOf(step), false, step.key == sessions::Key::Ctrl);
                break;
            default:
                return "cannot play \"" + sessions::ScriptOf(step) + "\" from another program";
        }
        return {};
    }

    HWND window_;
    win32_test::StateReader reader_;
    std::string beside_;
    std::unique_ptr<Started> elsewhere_;
    POINT lastClick_{-1, -1};
    ULONGLONG lastClickTime_ = 0;
};

std::string Folder() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string program = win32::ToUtf8(path);
    return program.substr(0, program.find_last_of("\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.size() == 2 && arguments[0] == "--list") {
            for (const sessions::NamedScript& session : sessions::ReadStepFile(arguments[1]))
                std::printf("%s\n", session.name.c_str());
            return 0;
        }
        std::unique_ptr<Started> program;
        if (arguments.size() == 4 && arguments[0] == "--start") {
            program = std::make_unique<Started>(arguments[1]);
            arguments.erase(arguments.begin(), arguments.begin() + 2);
        }
        std::vector<Step> steps;
        if (arguments.size() == 2 && arguments[0] == "--steps") {
            steps = sessions::Parse(arguments[1]);
        } else if (arguments.size() == 2) {
            for (sessions::NamedScript& session : sessions::ReadStepFile(arguments[0]))
                if (session.name == arguments[1]) steps = std::move(session.steps);
            if (steps.empty()) throw std::invalid_argument("no session \"" + arguments[1] + "\"");
        } else {
            throw std::invalid_argument(
                "usage: play_program --list FILE | [--start PROGRAM] FILE NAME | --steps SCRIPT");
        }
        HWND window = nullptr;
        if (!Await([&] { return (window = FindWindowW(win32::kWindowClass, nullptr)) != nullptr; },
                   kStartDeadline))
            throw std::runtime_error("no window of the class Fernbogen came within 60 s");
        // A window just opened is played once it has the focus in a box.
        Player player(window, Folder());
        if (!Await([&] { return player.Focus() != nullptr; }, kStartDeadline))
            throw std::runtime_error("the window did not take the focus within 60 s");
        const std::string problem = player.Play(steps);
        if (problem.empty()) return 0;
        std::printf("FAILED: %s\n", problem.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
