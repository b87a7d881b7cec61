// Plays random user sessions through the Qt window offscreen. After every recalculation the
// results must be what the arithmetic, worked out afresh, gives for the boxes' texts. Given what
// the Win32 window showed in the same sessions (win32_test.exe --states), the two windows must
// also show the same after every action; the first difference of a session is reported with its
// seed, the actions up to it and both windows' state there.
//
//   compare_windows [--against WIN32_STATES] SEEDS...     (a seed "17" or a range "1-2000")
//   compare_windows --against WIN32_STATES                 the sessions the states file holds
#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "sessions/generator.h"
#include "sessions/window_state.h"
#include "user_actions.h"

namespace {

using sessions::Step;
using Fields = std::vector<std::pair<std::string, std::string>>;

// Reports are cut off after this many sessions; the count goes on.
constexpr int kMaxReports = 5;

// The window, checking its results whenever the recalculation writes them.
class CheckedWindow : public qt::MainWindow {
  public:
    void SetLabelCaption(int label, std::string_view caption) override {
        MainWindow::SetLabelCaption(label, caption);
        // The recalculation writes the distance first and the course last, never empty;
        // emptying the results writes "".
        if (label != form::kCourseLabel || caption.empty()) return;
        if (std::string wrong = qt_test::WrongResults(*this); !wrong.empty())
            wrongResults.push_back(std::move(wrong));
    }

    void Beep() override {
        MainWindow::Beep();
        ++beeps;
    }

    int beeps = 0;
    std::vector<std::string> wrongResults;
};

// The Win32 window's states as win32_test.exe --states writes them: a line "session SEED", then
// one state line before the first action and one after each. The seeds in the file's order.
struct Win32States {
    std::vector<std::uint64_t> seeds;
    std::map<std::uint64_t, std::vector<std::string>> lines;
};

std::optional<Win32States> ReadStates(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    Win32States states;
    for (std::string line; std::getline(file, line);) {
        // Written in the text mode of Windows.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("session ", 0) == 0) {
            states.seeds.push_back(std::stoull(line.substr(8)));
            states.lines[states.seeds.back()].clear();
        } else if (!states.seeds.empty()) {
            states.lines[states.seeds.back()].push_back(line);
        }
    }
    return states;
}

Fields FieldsOfLine(const Fields& names, const std::string& line) {
    Fields fields;
    std::size_t start = 0;
    for (const auto& [name, value] : names) {
        const std::size_t end = std::min(line.find('\t', start), line.size());
        fields.emplace_back(name, start <= line.size() ? line.substr(start, end - start) : "");
        start = end + 1;
    }
    return fields;
}

std::string Shown(const Fields& fields) {
    std::string out;
    for (const auto& [name, value] : fields) out += " " + name + "=\"" + value + "\"";
    return out;
}

struct Tally {
    int sessions = 0;
    long actions = 0;
    int differing = 0;
    int wrong = 0;
    int reports = 0;

    bool Report() { return reports++ < kMaxReports; }
};

void PrintActions(const std::vector<Step>& steps, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        std::printf("  %3zu  %s\n", i + 1, sessions::ScriptOf(steps[i]).c_str());
}

// Compares the state after `done` actions; false once the session is not to be compared further.
bool Compare(std::uint64_t seed, const std::vector<Step>& steps, std::size_t done, const Fields& qt,
             const std::string& win32Line, Tally& tally) {
    const Fields win32 = FieldsOfLine(qt, win32Line);
    if (win32 == qt) return true;
    ++tally.differing;
    if (!tally.Report()) return false;
    std::printf("DIFFERENCE in session %llu after action %zu of %zu:\n",
                static_cast<unsigned long long>(seed), done, steps.size());
    PrintActions(steps, done);
    std::string differing;
    for (std::size_t i = 0; i < qt.size(); ++i) {
        if (qt[i] != win32[i]) differing += " " + qt[i].first;
    }
    std::printf("  differs:%s\n  Qt:   %s\n  Win32:%s\n", differing.c_str(), Shown(qt).c_str(),
                Shown(win32).c_str());
    return false;
}

void Play(std::uint64_t seed, const Win32States* win32States, Tally& tally) {
    const std::vector<Step> steps = sessions::Generate(seed);
    const std::vector<std::string>* win32Lines = nullptr;
    if (win32States) {
        const auto found = win32States->lines.find(seed);
        if (found != win32States->lines.end() && found->second.size() == steps.size() + 1) {
            win32Lines = &found->second;
        } else {
            ++tally.differing;
            if (tally.Report())
                std::printf("DIFFERENCE: the Win32 states lack session %llu\n",
                            static_cast<unsigned long long>(seed));
        }
    }

    CheckedWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        window.wrongResults.push_back("the window did not become active");
    bool comparing = win32Lines != nullptr;
    for (std::size_t done = 0; done <= steps.size(); ++done) {
        if (done > 0) {
            const QString problem = qt_test::Perform(window, steps[done - 1]);
            if (!problem.isEmpty()) window.wrongResults.push_back(problem.toStdString());
        }
        if (!window.wrongResults.empty()) {
            ++tally.wrong;
            if (tally.Report()) {
                std::printf("WRONG in session %llu after action %zu: %s\n",
                            static_cast<unsigned long long>(seed), done,
                            window.wrongResults.front().c_str());
                PrintActions(steps, done);
            }
            break;
        }
        if (comparing) {
            comparing = Compare(seed, steps, done,
                                sessions::FieldsOf(qt_test::StateOf(window, window.beeps)),
                                (*win32Lines)[done], tally);
        }
    }
    ++tally.sessions;
    tally.actions += static_cast<long>(steps.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The Win32 window runs in a locale that writes a decimal point, as the C locale does.
    QLocale::setDefault(QLocale::c());

    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::optional<Win32States> win32States;
    if (arguments.size() >= 2 && arguments[0] == "--against") {
        win32States = ReadStates(arguments[1]);
        if (!win32States) {
            std::fprintf(stderr, "cannot read %s\n", arguments[1].c_str());
            return 2;
        }
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    std::vector<std::uint64_t> seeds;
    try {
        seeds =
            win32States && arguments.empty() ? win32States->seeds : sessions::SeedsOf(arguments);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\nusage: compare_windows [--against WIN32_STATES] [SEEDS...]\n",
                     e.what());
        return 2;
    }

    Tally tally;
    for (const std::uint64_t seed : seeds) Play(seed, win32States ? &*win32States : nullptr, tally);

    std::printf("%d sessions, %ld actions: %d with wrong results", tally.sessions, tally.actions,
                tally.wrong);
    if (win32States) std::printf(", %d where the windows differ", tally.differing);
    std::printf("\n");
    std::fflush(stdout);
    return tally.wrong == 0 && tally.differing == 0 ? 0 : 1;
}
