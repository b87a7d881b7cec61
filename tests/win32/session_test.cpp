// Replays every user session through the real Win32 window and its message loop.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "accessibility_client.h"
#include "cases.h"
#include "decimal_separator.h"
#include "sessions/generator.h"
#include "sessions/session.h"
#include "sessions/window_state.h"
#include "state_reader.h"
#include "test_window.h"
#include "user_input.h"
#include "virtual_key.h"
#include "win32/utf16.h"

namespace win32_test {

namespace {

using sessions::Action;
using sessions::Step;
using win32::ToUtf16;

UserInput::Spot SpotOf(const std::string& edge) {
    if (edge == sessions::kLeftEdge) return UserInput::Spot::LeftEdge;
    if (edge == sessions::kRightEdge) return UserInput::Spot::RightEdge;
    return UserInput::Spot::Middle;
}

// The window with a user at it, who plays one step after another. Another program, once it has
// come to the front, stays there until the next click brings the user back.
class Player {
  public:
    Player() : user_(window_.Open()), reader_(window_.Handle()) {}

    // Runs one step; returns what an expectation found wrong, or nothing.
    std::string Run(const Step& step) {
        switch (step.action) {
            case Action::Click:
                user_.click(
                    step.control > 0 ? window_.Box(step.control) : window_.Label(-step.control),
                    SpotOf(step.text));
                elsewhere_.reset();
                break;
            case Action::RightClick:
                return "a right click is played in the running program only: its menu is modal";
            case Action::Away:
                elsewhere_.emplace();
                user_.settle();
                break;
            case Action::Tab:
            case Action::Backtab:
                user_.pressKey(VK_TAB, step.action == Action::Backtab);
                break;
            case Action::Type:
                user_.type(ToUtf16(step.text));
                break;
            case Action::Key:
                user_.pressKey(VirtualKeyOf(step), false, step.key == sessions::Key::Ctrl);
                break;
            case Action::Paste:
                if (ControlName(GetFocus()).rfind("Text", 0) != 0)
                    return "no box has the focus to paste into";
                user_.paste(ToUtf16(step.text));
                break;
            default:
                return sessions::Missed(step, reader_.State(window_.beeps));
        }
        return {};
    }

    // The state line of what the window shows now.
    std::string Line() const { return sessions::LineOf(reader_.State(window_.beeps)); }

    // Brings the window back to how it opens, much faster under Wine than a new window would.
    // The focus moves to the first box as a user's click would move it (the box left is
    // validated, as always); then every box gets its initial text, the results are emptied, and
    // the first box is fresh as after focusing. Which other boxes are fresh is never seen: each
    // is made fresh again when it gains the focus.
    void Reset() {
        elsewhere_.reset();
        const int first = form::kBoxesInTabOrder.front().box;
        SetFocus(window_.Box(first));
        user_.pump();
        for (const form::BoxLayout& layout : form::kBoxesInTabOrder)
            window_.SetBoxText(layout.box, layout.initialText);
        window_.Logic().ClearResults();
        window_.Logic().GotFocus(first);
        window_.beeps = 0;
    }

  private:
    TestWindow window_;
    const UserInput user_;
    const StateReader reader_;
    std::optional<OtherWindow> elsewhere_;
};

// What the session found wrong, or nothing.
std::string Replay(const sessions::Session& session) {
    const std::vector<Step> steps = sessions::Parse(session.script);
    Player player;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string problem = player.Run(steps[i]);
        if (!problem.empty())
            return "step " + std::to_string(i + 1) + " of \"" + session.script + "\": " + problem;
    }
    return {};
}

const sessions::Session kCommaSessions[] = {
    {"both results where the locale writes a decimal comma",
     "click Text2; type 30; tab; expect Label17 = 55,57 Km; expect Label20 = 180,0 Grad"},
    {"a pasted decimal comma is kept where the locale writes one, a point becomes 0",
     "click Text4; paste 1,5; tab; expect Text4 = 1,5; click Text10; paste 1.5; tab;"
     "expect Text10 = 0"},
};

}  // namespace

int WriteStates(const std::string& path, const std::vector<std::uint64_t>& seeds) {
    FILE* const out = std::fopen(path.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 2;
    }
    Player player;
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        if (i > 0) player.Reset();
        const auto seed = static_cast<unsigned long long>(seeds[i]);
        std::fprintf(out, "session %llu\n%s\n", seed, player.Line().c_str());
        for (const Step& step : sessions::Generate(seeds[i])) {
            if (const std::string problem = player.Run(step); !problem.empty()) {
                std::fprintf(stderr, "session %llu: %s\n", seed, problem.c_str());
                std::fclose(out);
                return 1;
            }
            std::fprintf(out, "%s\n", player.Line().c_str());
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

void AddSessionTests(std::vector<Case>& cases) {
    for (const sessions::Session& session : sessions::AllSessions())
        cases.push_back({session.name, [session] { return Replay(session); }});
    for (const sessions::Session& session : kCommaSessions)
        cases.push_back({session.name, [session] {
                             const DecimalSeparator comma(L",");
                             return Replay(session);
                         }});
}

}  // namespace win32_test
