// Plays user sessions in the running fernbogen.exe from another process, as a user does: real key
// presses and mouse clicks through SendInput (under Wine the path of the hardware's input), and
// the window's texts and focus read back by control ID. The expectations in a row are awaited
// together, with a deadline, before the next action. It listens there as a screen reader does
// from before the program starts, and checks what one reads and hears of it against
// tests/data/boxes.tsv.
//   play_program --list TESTS           the names of the sessions of
//                                       TESTS/sessions/windows_program.steps and of the checks
//   play_program PROGRAM TESTS NAME     starts PROGRAM and plays that session or check in it
// Prints what went wrong and exits with 1, or with 2 when it cannot play.
#include <windows.h>

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
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

// What a screen reader is told, heard from before the program starts: every wait handles it.
win32_test::Listener& Ear() {
    static win32_test::Listener listener;
    return listener;
}

// Polls until holds() or the deadline: no event tells of another process's texts.
template <typename Holds>
bool Await(Holds holds, DWORD deadline = kDeadline) {
    const ULONGLONG end = GetTickCount64() + deadline;
    while (!holds()) {
        if (GetTickCount64() > end) return false;
        Ear().Pump(20);
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
    // Whether it ends within the deadline.
    bool Ends() const { return WaitForSingleObject(process_.hProcess, kDeadline) == WAIT_OBJECT_0; }
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

// A key pressed with the modifiers held around it, as VkKeyScan gives them: 1 Shift, 2 Ctrl, 4 Alt.
constexpr BYTE kShift = 1, kCtrl = 2, kAlt = 4;
void Press(WORD virtualKey, BYTE modifiers = 0) {
    constexpr WORD kModifierKeys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    std::vector<INPUT> inputs;
    for (int i = 0; i < 3; ++i)
        if (modifiers & 1 << i) inputs.push_back(KeyInput(kModifierKeys[i], 0));
    inputs.push_back(KeyInput(virtualKey, 0));
    inputs.push_back(KeyInput(virtualKey, KEYEVENTF_KEYUP));
    for (int i = 2; i >= 0; --i)
        if (modifiers & 1 << i) inputs.push_back(KeyInput(kModifierKeys[i], KEYEVENTF_KEYUP));
    Send(inputs);
}

// A character by the key that types it, or as a character of its own where no key does.
void Type(wchar_t character) {
    const SHORT key = VkKeyScanW(character);
    if (key != -1) return Press(LOBYTE(key), HIBYTE(key) & (kShift | kCtrl));
    Send({KeyInput(0, KEYEVENTF_UNICODE, character),
          KeyInput(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, character)});
}

class Player {
  public:
    explicit Player(HWND window) : window_(window), reader_(window) {}

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
            while (GetTickCount64() < lastClickTime_ + 3 * GetDoubleClickTime()) Ear().Pump(20);
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
                // Found in the folder of this program, where Windows looks first.
                elsewhere_ = std::make_unique<Started>("minimal_window.exe");
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
                Press(VK_TAB, kShift);
                break;
            case Action::Type:
                for (const wchar_t character : win32::ToUtf16(step.text)) Type(character);
                break;
            case Action::Key:
                Press(win32_test::VirtualKeyOf(step), step.key == sessions::Key::Ctrl ? kCtrl : 0);
                break;
            default:
                return "cannot play \"" + sessions::ScriptOf(step) + "\" from another program";
        }
        return {};
    }

    HWND window_;
    win32_test::StateReader reader_;
    std::unique_ptr<Started> elsewhere_;
    POINT lastClick_{-1, -1};
    ULONGLONG lastClickTime_ = 0;
};

// A box as tests/data/boxes.tsv describes it, in tab order.
struct Box {
    std::string id, name, description, initial;
    std::size_t maxLength;
};

std::vector<Box> ReadBoxes(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<Box> boxes;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Box box;
        std::string maxLength;
        for (std::string* field : {&box.id, &box.name, &box.description, &box.initial, &maxLength})
            std::getline(fields, *field, '\t');
        box.maxLength = std::stoul(maxLength);
        boxes.push_back(box);
    }
    return boxes;
}

// What a check has at hand once the program shows its window with the focus in a box.
struct Run {
    HWND window;
    Player& player;
    const Started& program;
    const std::vector<Box>& boxes;
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : " ") + line;
    return all;
}

std::vector<std::string> Reads(const Run& run) {
    return win32_test::ReadWindow(run.window);
}
std::vector<std::string> Hears(const Run&) {
    return Ear().Heard();
}
using Source = std::vector<std::string> (*)(const Run&);

// Awaits every line wanted among those that source gives.
std::string AwaitLines(const Run& run, Source source, const std::vector<std::string>& wanted) {
    std::vector<std::string> found;
    std::string missing;
    const auto complete = [&] {
        found = source(run);
        missing.clear();
        for (const std::string& line : wanted)
            if (std::find(found.begin(), found.end(), line) == found.end())
                missing += " [" + line + "]";
        return missing.empty();
    };
    return Await(complete) ? "" : "awaited for 10 s:" + missing + "; found: " + Joined(found);
}

std::string Named(const Box& box) {
    return box.id + " \"" + box.name + '"';
}

// Windows tells the focus on the window's first activation, as Wine 10 does; Wine 8 does not:
// the walk is checked from the first Tab on.
std::string FocusWalk(const Run& run) {
    std::vector<std::string> wanted, walked;
    for (const Box& box : run.boxes) wanted.push_back(Named(box));
    wanted.erase(wanted.begin());
    const auto walk = [&] {
        walked.clear();
        for (const std::string& line : Ear().Heard())
            if (line.rfind("focus Text", 0) == 0)
                walked.push_back(line.substr(6, line.find('"', line.find('"') + 1) - 5));
        if (!walked.empty() && walked.front() == Named(run.boxes.front()))
            walked.erase(walked.begin());
        return walked == wanted;
    };
    return Await(walk) ? "" : "awaited for 10 s the focus walk; walked: " + Joined(walked);
}

constexpr char kBerlin[] = "Berlin to Munich typed with Tab and the letter toggles";
constexpr char kCleared[] = R"(Label17 "", description "Entfernung")";

struct Check {
    const char* name;
    const char* session;  // of the step file, played first; or nothing
    Source source;
    std::vector<std::string> lines;  // awaited together
    std::string (*then)(const Run&) = nullptr;
};

const std::vector<Check>& Checks() {
    static const std::vector<Check> checks = {
        {"a screen reader reads the title, each box's name, value and what it takes, the captions",
         nullptr,
         Reads,
         {R"(window "berechnet Abstand geographischer Punkte auf dem Fernbogen", role client)",
          R"(Label1 "  von ")", R"(Label2 " nach ")", R"(Label3 "Breite")", R"(Label16 "Länge")",
          R"(Label4 " °")", R"(Label18 " sind es ")", kCleared, R"(Label19 " Richtung: ")",
          R"(Label20 "", description "Richtung")", R"(announcement "")"},
         [](const Run& run) {
             std::vector<std::string> lines;
             for (const Box& box : run.boxes)
                 lines.push_back(Named(box) + ", value \"" + box.initial + "\", description \"" +
                                 box.description + "\", role text");
             return AwaitLines(run, Reads, lines);
         }},
        {"walking from the window's object reaches every control in the window's order, read the "
         "same",
         nullptr,
         Reads,
         {},
         [](const Run& run) {
             std::vector<std::string> direct, walked;
             for (const std::string& line : Reads(run))
                 if (line.rfind("child ", 0) == 0)
                     walked.push_back(line.substr(6));
                 else if (line.rfind("window ", 0) != 0)
                     direct.push_back(line);
             return walked == direct ? "" : "walked: " + Joined(walked);
         }},
        {"each Tab tells a screen reader the name of the box the focus comes to",
         kBerlin,
         Hears,
         {},
         FocusWalk},
        {"the result is spoken as it appears, and the result labels tell of their new figures",
         kBerlin,
         Hears,
         {R"(live announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad")",
          R"(name Label17 "503.9 Km", description "Entfernung")",
          R"(name Label20 "195.5 Grad", description "Richtung")"}},
        {"reviewing the window reads the figures and the last announcement",
         kBerlin,
         Reads,
         {R"(Label18 " sind es ")", R"(Label17 "503.9 Km", description "Entfernung")",
          R"(Label19 " Richtung: ")", R"(Label20 "195.5 Grad", description "Richtung")",
          R"(announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad")"}},
        {"a course from the pole is spoken with its meridian in words",
         "a click, 90 and Enter in the start latitude make the start the pole",
         Hears,
         {R"(live announcement "Entfernung 4653 km, Richtung 11.6ter Längengrad Ost")"}},
        // From the clearing on no announcement may speak the results (one read after the
        // clearing finds nothing to say), and reviewing finds no stale sentence.
        {"typing clears the results silently",
         kBerlin,
         Reads,
         {},
         [](const Run& run) {
             std::string problem =
                 run.player.Play(sessions::Parse("click Text2; type 5; expect Label17 = "));
             problem += AwaitLines(run, Hears, {"name " + std::string(kCleared)});
             problem += AwaitLines(run, Reads, {kCleared, R"(announcement "")"});
             const std::vector<std::string>& heard = Ear().Heard();
             auto line = std::find(heard.rbegin(), heard.rend(), "name " + std::string(kCleared));
             for (auto after = line.base(); after != heard.end(); ++after)
                 if (after->rfind("live announcement \"", 0) == 0 &&
                     *after != R"(live announcement "")")
                     problem += " then: " + *after;
             return problem;
         }},
        {"the guard's reset of a coordinate is spoken, not only beeped",
         "Tab out of 90 degrees 57 minutes resets the start latitude",
         Hears,
         {R"(live announcement "von Breite außerhalb des Bereichs, auf 0 gesetzt")"}},
        // Each number box is typed one digit more than it takes.
        {"every number box takes as many typed digits as its maximum length and no more",
         nullptr,
         Reads,
         {},
         [](const Run& run) {
             const std::string digits = "1234";
             std::string script;
             for (const Box& box : run.boxes)
                 if (box.initial == "0")
                     script += "click " + box.id + "; type " + digits + "; expect " + box.id +
                               " = " + digits.substr(0, box.maxLength) + ";";
             return run.player.Play(sessions::Parse(script));
         }},
        {"Alt+F4 closes the program",
         "the program opens with the focus in the start longitude",
         Reads,
         {},
         [](const Run& run) {
             Press(VK_F4, kAlt);
             return std::string(run.program.Ends() ? "" : "it still runs after 10 s");
         }},
    };
    return checks;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    try {
        const bool list = arguments.size() == 2 && arguments[0] == "--list";
        if (!list && arguments.size() != 3)
            throw std::invalid_argument("usage: play_program --list TESTS | PROGRAM TESTS NAME");
        const std::string tests = arguments[1];
        std::vector<sessions::NamedScript> sessions =
            sessions::ReadStepFile(tests + "/sessions/windows_program.steps");
        if (list) {
            for (const sessions::NamedScript& session : sessions)
                std::printf("%s\n", session.name.c_str());
            for (const Check& check : Checks()) std::printf("%s\n", check.name);
            return 0;
        }
        const std::string& name = arguments[2];
        const auto session = [&](const std::string& named) {
            for (sessions::NamedScript& s : sessions)
                if (s.name == named) return s.steps;
            throw std::invalid_argument("no session \"" + named + "\"");
        };
        const auto check = std::find_if(Checks().begin(), Checks().end(),
                                        [&](const Check& c) { return c.name == name; });
        const std::vector<Step> steps = check == Checks().end() ? session(name)
                                        : check->session        ? session(check->session)
                                                                : std::vector<Step>{};
        const std::vector<Box> boxes = ReadBoxes(tests + "/data/boxes.tsv");
        Ear();
        const Started program(arguments[0]);
        HWND window = nullptr;
        if (!Await([&] { return (window = FindWindowW(win32::kWindowClass, nullptr)) != nullptr; },
                   kStartDeadline))
            throw std::runtime_error("no window of the class Fernbogen came within 60 s");
        // A window just opened is played once it has the focus in a box.
        Player player(window);
        if (!Await([&] { return player.Focus() != nullptr; }, kStartDeadline))
            throw std::runtime_error("the window did not take the focus within 60 s");
        std::string problem = player.Play(steps);
        if (problem.empty() && check != Checks().end()) {
            const Run run{window, player, program, boxes};
            problem = AwaitLines(run, check->source, check->lines);
            if (problem.empty() && check->then) problem = check->then(run);
        }
        if (problem.empty()) return 0;
        std::printf("FAILED: %s\n", problem.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
