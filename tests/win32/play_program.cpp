// Plays user sessions in the running fernbogen.exe from another process, as a user does: real key
// presses and mouse clicks through SendInput (under Wine the path of the hardware's input), and
// the window's texts and focus read back by control ID. The expectations in a row are awaited
// together, with a deadline, before the next action.
//   play_program --list FILE                    the names of the sessions in a step file
//   play_program [--start PROGRAM] FILE NAME    plays that session in the running program, or in
//                                               PROGRAM started for it and closed after it
//   play_program --steps SCRIPT                 plays the steps of a script
// Prints what went wrong and exits with 1, or with 2 when it cannot play.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "accessibility_client.h"
#include "sessions/generator.h"
#include "sessions/session.h"
#include "win32/control_ids.h"
#include "win32/utf16.h"

namespace {

using sessions::Action;
using sessions::Step;

constexpr DWORD kDeadline = 10000;  // ms for what a step awaits
constexpr DWORD kStartDeadline = 60000;

// Polls until holds() or the deadline; there is no event for another process's texts.
template <typename Holds>
bool Await(Holds holds, DWORD deadline = kDeadline) {
    const ULONGLONG end = GetTickCount64() + deadline;
    while (!holds()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

std::string TitleOf(HWND window) {
    wchar_t title[128]{};
    GetWindowTextW(window, title, 128);
    return win32::ToUtf8(title);
}

std::wstring Wide(const std::string& text) {
    return win32::ToUtf16(text);
}

// A started program, closed as a user closes it when it goes.
class Started {
  public:
    explicit Started(const std::string& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + Wide(path) + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_))
            throw std::runtime_error("cannot start " + path);
        // Its first window is shown and it waits for input: an event, not a time.
        WaitForInputIdle(process_.hProcess, kStartDeadline);
    }
    ~Started() {
        EnumThreadWindows(
            process_.dwThreadId,
            [](HWND w, LPARAM) {
                PostMessageW(w, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
        if (WaitForSingleObject(process_.hProcess, kDeadline) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    DWORD Thread() const { return process_.dwThreadId; }

  private:
    PROCESS_INFORMATION process_{};
};

// Stamped with the time as a device's input is: Wine does not stamp it, and the double clicks it
// finds by the time between two clicks at one place.
void Send(std::vector<INPUT> inputs) {
    const DWORD now = GetTickCount();
    for (INPUT& input : inputs) (input.type == INPUT_MOUSE ? input.mi.time : input.ki.time) = now;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A key pressed with the modifiers held around it.
void Press(WORD virtualKey, bool shift = false, bool control = false) {
    std::vector<INPUT> inputs;
    if (control) inputs.push_back(KeyInput(VK_CONTROL, false));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    if (control) inputs.push_back(KeyInput(VK_CONTROL, true));
    Send(inputs);
}

// A character by the key that types it, or as a character of its own where no key does.
void Type(wchar_t character) {
    const SHORT key = VkKeyScanW(character);
    if (key != -1) return Press(LOBYTE(key), HIBYTE(key) & 1, HIBYTE(key) & 2);
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = character;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    Send({down, up});
}

WORD VirtualKeyOf(sessions::Key key) {
    using sessions::Key;
    switch (key) {
        case Key::Enter:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
        case Key::Ctrl:
            break;
    }
    return 0;
}

class Player {
  public:
    // beside: the folder of the other test programs.
    Player(HWND window, std::string beside)
        : window_(window),
          thread_(GetWindowThreadProcessId(window, nullptr)),
          beside_(std::move(beside)) {}

    // Plays the steps; what went wrong, or nothing.
    std::string Play(const std::vector<Step>& steps) {
        std::vector<const Step*> expected;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            if (i < steps.size() && IsExpectation(steps[i])) {
                expected.push_back(&steps[i]);
                continue;
            }
            if (std::string problem = Await(expected); !problem.empty())
                return "before step " + std::to_string(i + 1) + ": " + problem;
            expected.clear();
            if (i == steps.size()) break;
            if (std::string problem = Act(steps[i]); !problem.empty())
                return "step " + std::to_string(i + 1) + ": " + problem;
        }
        return {};
    }

  private:
    static bool IsExpectation(const Step& step) {
        return step.action == Action::ExpectText || step.action == Action::ExpectFocus ||
               step.action == Action::ExpectSelection || step.action == Action::ExpectBeeps;
    }

    HWND Control(int control) const {
        return GetDlgItem(window_, control > 0 ? win32::BoxId(control) : win32::LabelId(-control));
    }

    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
    }

    std::string FocusName() const {
        const HWND focus = Focus();
        return focus ? win32_test::ControlName(focus) : "nothing";
    }

    // What the window shows where the expectation looks: the same form as its text.
    std::string Found(const Step& step) const {
        switch (step.action) {
            case Action::ExpectText: {
                // WM_GETTEXT, which Windows carries across processes (GetWindowText does not).
                wchar_t buffer[256]{};
                SendMessageW(Control(step.control), WM_GETTEXT, 256,
                             reinterpret_cast<LPARAM>(buffer));
                return win32::ToUtf8(buffer);
            }
            case Action::ExpectFocus:
                return FocusName();
            case Action::ExpectSelection: {
                const auto range = static_cast<DWORD>(SendMessageW(Focus(), EM_GETSEL, 0, 0));
                return std::to_string(LOWORD(range)) + "-" + std::to_string(HIWORD(range));
            }
            default:
                return "beeps, which another program cannot count";
        }
    }

    static std::string Wanted(const Step& step) {
        if (step.action == Action::ExpectFocus) return "Text" + std::to_string(step.control);
        if (step.action == Action::ExpectBeeps) return std::to_string(step.count) + " beeps";
        return step.text;
    }

    static std::string Where(const Step& step) {
        if (step.action == Action::ExpectFocus) return "focus";
        if (step.action == Action::ExpectSelection) return "selection";
        if (step.action == Action::ExpectBeeps) return "beeps";
        return (step.control > 0 ? "Text" : "Label") + std::to_string(std::abs(step.control));
    }

    std::string Await(const std::vector<const Step*>& expected) const {
        const auto hold = [&] {
            for (const Step* step : expected)
                if (Found(*step) != Wanted(*step)) return false;
            return true;
        };
        if (::Await(hold)) return {};
        std::string problem = "awaited for " + std::to_string(kDeadline / 1000) + " s:";
        for (const Step* step : expected)
            if (Found(*step) != Wanted(*step))
                problem += " " + Where(*step) + " \"" + Wanted(*step) + "\", found \"" +
                           Found(*step) + "\";";
        return problem;
    }

    // The user comes back to the window before a key: the other program goes.
    std::string Back() {
        if (!elsewhere_) return {};
        elsewhere_.reset();
        if (::Await([&] { return GetForegroundWindow() == window_; })) return {};
        return "the window did not come back to the front, \"" + TitleOf(GetForegroundWindow()) +
               "\" is there";
    }

    void Click(HWND control, const std::string& edge) {
        RECT r;
        GetWindowRect(control, &r);
        int x = (r.left + r.right) / 2;
        if (edge == sessions::kLeftEdge) x = r.left + 3;
        if (edge == sessions::kRightEdge) x = r.right - 4;
        const int y = (r.top + r.bottom) / 2;
        // Two clicks at one place are a double click, which selects a word; Wine takes them for
        // one when they are a little more than the double-click time apart, too: a user clicks
        // there again only after three times that.
        if (x == lastClick_.x && y == lastClick_.y) {
            const ULONGLONG single = lastClickTime_ + 3 * GetDoubleClickTime();
            if (const ULONGLONG now = GetTickCount64(); now < single)
                Sleep(static_cast<DWORD>(single - now));
        }
        lastClick_ = {x, y};
        lastClickTime_ = GetTickCount64();
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN));
        move.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN));
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        INPUT down = move, up = move;
        down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        Send({move, down, up});
    }

    std::string Act(const Step& step) {
        if (step.action == Action::Click) {
            const HWND control = Control(step.control);
            Click(control, step.text);
            // The click itself brings the window back to the front, and a box takes the focus
            // before the keys after it come.
            if (elsewhere_ && !::Await([&] { return GetForegroundWindow() == window_; }))
                return "the click did not bring the window back to the front, \"" +
                       TitleOf(GetForegroundWindow()) + "\" is there";
            if (step.control > 0 && !::Await([&] { return Focus() == control; }))
                return "the click left the focus in " + FocusName();
            return {};
        }
        if (step.action == Action::Away) {
            elsewhere_ = std::make_unique<Started>(beside_ + "minimal_window.exe");
            if (!::Await([&] { return GetForegroundWindow() != window_ && !Focus(); }))
                return "another program came to the front, yet the focus stays in " + FocusName();
            // The window is told of its deactivation by a message sent to it: one sent after it
            // returns once the window has handled that.
            SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kDeadline, nullptr);
            return {};
        }
        if (std::string problem = Back(); !problem.empty()) return problem;
        switch (step.action) {
            case Action::Tab:
                Press(VK_TAB);
                break;
            case Action::Backtab:
                Press(VK_TAB, true);
                break;
            case Action::Type:
                for (const wchar_t character : Wide(step.text)) Type(character);
                break;
            case Action::Key:
                if (step.key == sessions::Key::Ctrl)
                    Press(static_cast<WORD>(step.letter), false, true);
                else
                    Press(VirtualKeyOf(step.key));
                break;
            default:
                return "cannot play \"" + sessions::ScriptOf(step) + "\" from another program";
        }
        return {};
    }

    HWND window_;
    DWORD thread_;
    std::string beside_;
    std::unique_ptr<Started> elsewhere_;
    POINT lastClick_{-1, -1};
    ULONGLONG lastClickTime_ = 0;
};

std::string Folder() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string folder = win32::ToUtf8(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
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
        Player player(window, Folder());
        const std::string problem = player.Play(steps);
        if (problem.empty()) return 0;
        std::printf("FAILED: %s\n", problem.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
