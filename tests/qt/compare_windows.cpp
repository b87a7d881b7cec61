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
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "sessions/generator.h"
#include "sessions/window_state.h"
#include "user_actions.h"

namespace {

using sessions::Step;

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
// one state line before the first action and one after each; the sessions in the file's order.
using Win32States = std::vector<std::pair<std::uint64_t, std::vector<std::string>>>;

std::optional<Win32States> ReadStates(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    Win32States states;
    for (std::string line; std::getline(file, line);) {
        // Written in the text mode of Windows.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("session ", 0) == 0)
            states.push_back({std::stoull(line.substr(8)), {}});
        else if (!states.empty())
            states.back().second.push_back(line);
    }
    return states;
}

// Where the Qt window's state differs from the Win32 window's line, as the lines to report, or
// nothing.
std::string Difference(const sessions::WindowState& qt, const std::string& win32Line) {
    std::string differing, shownQt, shownWin32;
    std::size_t start = 0;
    for (const auto& [name, value] : sessions::FieldsOf(qt)) {
        const std::size_t end = std::min(win32Line.find('\t', start), win32Line.size());
        const std::string win32 = start <= end ? win32Line.substr(start, end - start) : "";
        start = end + 1;
        if (win32 != value) differing += " " + name;
        shownQt += " " + name + "=\"" + value + "\"";
        shownWin32 += " " + name + "=\"" + win32 + "\"";
    }
    if (differing.empty()) return {};
    return "  differs:" + differing + "\n  Qt:   " + shownQt + "\n  Win32:" + shownWin32 + "\n";
}

struct Tally {
    int sessions = 0, differing = 0, wrong = 0, reports = 0;
    long actions = 0;
};

// Plays the session of one seed, compared with the Win32 window's states where there are any.
void Play(std::uint64_t seed, const Win32States* states, Tally& tally) {
    const std::vector<Step> steps = sessions::Generate(seed);
    const std::vector<std::string>* win32 = nullptr;
    if (states) {
        const auto found = std::find_if(states->begin(), states->end(),
                                        [seed](const auto& state) { return state.first == seed; });
        win32 = found != states->end() ? &found->second : nullptr;
    }
    const auto report = [&](std::size_t done, const std::string& what, const std::string& detail) {
        if (tally.reports++ >= kMaxReports) return;
        std::printf("%s in session %llu after action %zu of %zu\n", what.c_str(),
                    static_cast<unsigned long long>(seed), done, steps.size());
        for (std::size_t i = 0; i < done; ++i)
            std::printf("  %3zu  %s\n", i + 1, sessions::ScriptOf(steps[i]).c_str());
        std::printf("%s", detail.c_str());
    };
    if (states && (!win32 || win32->size() != steps.size() + 1)) {
        ++tally.differing;
        report(0, "DIFFERENCE: no Win32 state for each action", "");
        win32 = nullptr;
    }

    CheckedWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        window.wrongResults.push_back("the window did not become active");
    for (std::size_t done = 0; done <= steps.size(); ++done) {
        if (done > 0)
            if (QString problem = qt_test::Perform(window, steps[done - 1]); !problem.isEmpty())
                window.wrongResults.push_back(problem.toStdString());
        if (!window.wrongResults.empty()) {
            ++tally.wrong;
            report(done, "WRONG: " + window.wrongResults.front(), "");
            break;
        }
        if (!win32) continue;
        if (std::string difference =
                Difference(qt_test::StateOf(window, window.beeps), (*win32)[done]);
            !difference.empty()) {
            ++tally.differing;
            report(done, "DIFFERENCE", difference);
            win32 = nullptr;
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
        seeds = sessions::SeedsOf(arguments);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\nusage: compare_windows [--against WIN32_STATES] [SEEDS...]\n",
                     e.what());
        return 2;
    }
    if (win32States && seeds.empty())
        for (const auto& [seed, lines] : *win32States) seeds.push_back(seed);

    Tally tally;
    for (const std::uint64_t seed : seeds) Play(seed, win32States ? &*win32States : nullptr, tally);

    std::printf("%d sessions, %ld actions: %d with wrong results", tally.sessions, tally.actions,
                tally.wrong);
    if (win32States) std::printf(", %d where the windows differ", tally.differing);
    std::printf("\n");
    std::fflush(stdout);
    return tally.wrong == 0 && tally.differing == 0 ? 0 : 1;
}
