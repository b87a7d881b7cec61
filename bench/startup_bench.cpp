// Start-up: the wall time from starting a program to its window being mapped on the X display named
// by DISPLAY, the processor time it used until then, and its resident memory at that moment and
// 300 ms later. Fernbogen is measured beside
// a minimal Qt window and xcalc, in turns, and its figures are also given as ratios to theirs.
//
// Usage: startup_bench RUNS FERNBOGEN MINIMAL_QT_WINDOW XCALC
//
// The map is seen as it happens: the root window reports the MapNotify of every top-level window
// mapped on it, which is the program's own window while no window manager runs.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_figures.h"
#include "bench/table.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kLater = std::chrono::milliseconds(300);
constexpr int kMapTimeoutMs = 30000;
constexpr int kWarmUpRuns = 2;

struct Program {
    const char* name;
    const char* path;
};

struct Run {
    double mappedMs;
    double cpuMs;  // processor time used until mapped
    double residentMiB;
    double residentLaterMiB;
};

struct Display {
    xcb_connection_t* connection;
    xcb_window_t root;
};

std::optional<Display> OpenDisplay() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    return Display{connection, root};
}

// Forgets what the last program's windows reported on their way out.
void DrainEvents(const Display& display) {
    free(xcb_get_input_focus_reply(display.connection, xcb_get_input_focus(display.connection),
                                   nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) free(event);
}

bool IsTopLevelMap(const Display& display, const xcb_generic_event_t* event) {
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) return false;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
    // Override-redirect windows are menus and tooltips, never a program's main window.
    return map->event == display.root && !map->override_redirect;
}

// Waits for the first top-level map; false when the program exits or the wait times out first.
bool WaitForMap(const Display& display, int pidfd) {
    std::array<pollfd, 2> fds{
        {{xcb_get_file_descriptor(display.connection), POLLIN, 0}, {pidfd, POLLIN, 0}}};
    for (;;) {
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
            mapped = mapped || IsTopLevelMap(display, event);
            free(event);
        }
        if (mapped) return true;
        if (xcb_connection_has_error(display.connection)) return false;
        if (poll(fds.data(), fds.size(), kMapTimeoutMs) <= 0 || fds[1].revents) return false;
    }
}

std::optional<Run> StartOnce(const Display& display, const Program& program) {
    DrainEvents(display);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The programs' chatter (xcalc's missing fonts) would break the table.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.path), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return std::nullopt;
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));

    std::optional<Run> run;
    if (pidfd >= 0 && WaitForMap(display, pidfd)) {
        const double mappedMs =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const double cpuMs = bench::CpuMs(pid);
        const long resident = bench::ResidentKiB(pid);
        std::this_thread::sleep_for(kLater);
        const long residentLater = bench::ResidentKiB(pid);
        if (cpuMs >= 0 && resident > 0 && residentLater > 0)
            run = Run{mappedMs, cpuMs, resident / 1024.0, residentLater / 1024.0};
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (pidfd >= 0) close(pidfd);
    return run;
}

std::vector<double> Column(const std::vector<Run>& runs, double Run::*field) {
    std::vector<double> values;
    for (const Run& run : runs) values.push_back(run.*field);
    return values;
}

// Ours over theirs, run by run: both ran in the same turn, on the same state of the machine.
std::vector<double> Ratios(const std::vector<Run>& ours, const std::vector<Run>& theirs,
                           double Run::*field) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size() && i < theirs.size(); ++i)
        ratios.push_back(ours[i].*field / theirs[i].*field);
    return ratios;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s RUNS FERNBOGEN MINIMAL_QT_WINDOW XCALC\n", argv[0]);
        return 2;
    }
    const int runCount = std::atoi(argv[1]);
    const std::array<Program, 3> programs{{
        {"fernbogen", argv[2]},
        {"minimal Qt window", argv[3]},
        {"xcalc", argv[4]},
    }};
    const std::optional<Display> display = OpenDisplay();
    if (!display) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }

    // The first starts fill the page cache and fontconfig's caches for everyone.
    for (int i = 0; i < kWarmUpRuns; ++i)
        for (const Program& program : programs) StartOnce(*display, program);

    std::array<std::vector<Run>, 3> runs;
    for (int i = 0; i < runCount; ++i) {
        // Each turn starts with another program, so that none always follows the same one.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = (i + k) % programs.size();
            const std::optional<Run> run = StartOnce(*display, programs[p]);
            if (!run) {
                std::fprintf(stderr, "startup_bench: %s did not map a window\n", programs[p].name);
                return 1;
            }
            runs[p].push_back(*run);
        }
    }

    using bench::PrintRow;
    using bench::Summarise;
    struct Figure {
        const char* name;
        double Run::*field;
        const char* unit;
    };
    const Figure figures[] = {
        {"window mapped", &Run::mappedMs, "ms"},
        {"CPU to map (live threads)", &Run::cpuMs, "ms"},
        {"VmRSS when mapped", &Run::residentMiB, "MiB"},
        {"VmRSS 300 ms later", &Run::residentLaterMiB, "MiB"},
    };
    bench::PrintHeading("Start-up on Xvfb, runs of each: " + std::to_string(runCount));
    for (const Figure& figure : figures) {
        for (std::size_t p = 0; p < programs.size(); ++p)
            PrintRow(std::string(figure.name) + ": " + programs[p].name,
                     Summarise(Column(runs[p], figure.field)), figure.unit, 1);
    }

    bench::PrintHeading("Start-up, fernbogen / other, run by run");
    const std::vector<Run>& ours = runs[0];
    const std::vector<Run>& minimal = runs[1];
    const std::vector<Run>& xcalc = runs[2];
    PrintRow("window mapped / minimal Qt window", Summarise(Ratios(ours, minimal, &Run::mappedMs)),
             "x", 2, bench::Target{1.1, true});
    PrintRow("window mapped / xcalc", Summarise(Ratios(ours, xcalc, &Run::mappedMs)), "x", 2,
             bench::Target{1.0, false});
    PrintRow("CPU to map (live threads) / minimal Qt window",
             Summarise(Ratios(ours, minimal, &Run::cpuMs)), "x", 2);
    PrintRow("CPU to map (live threads) / xcalc", Summarise(Ratios(ours, xcalc, &Run::cpuMs)), "x",
             2);
    PrintRow("VmRSS when mapped / minimal Qt window",
             Summarise(Ratios(ours, minimal, &Run::residentMiB)), "x", 2, bench::Target{1.1, true});
    PrintRow("VmRSS 300 ms later / minimal Qt window",
             Summarise(Ratios(ours, minimal, &Run::residentLaterMiB)), "x", 2,
             bench::Target{1.1, true});
    PrintRow("VmRSS when mapped / xcalc", Summarise(Ratios(ours, xcalc, &Run::residentMiB)), "x",
             2);
    return 0;
}
