// What the window's live region says when leaving a box writes 0 somewhere: the reset, then the
// results of the 0, as the form's rows give them. The box is entered by a click, given the row's
// texts as the program writes them, and left by Tab.
#include <string>

#include "cases.h"
#include "sessions/spoken_resets.h"
#include "state_reader.h"
#include "test_window.h"
#include "user_input.h"

namespace win32_test {

namespace {

std::string ResetProblem(const sessions::SpokenReset& row) {
    TestWindow window;
    const UserInput user = window.Open();
    // Written once the click has left Text4, whose recalculation would trip the guard on
    // some of them.
    user.click(window.Box(row.left));
    user.settle();
    for (const auto& [box, text] : row.texts) window.SetBoxText(box, text);
    user.pressKey(VK_TAB);
    user.settle();
    const std::string said = TextOf(GetDlgItem(window.Handle(), win32::kAnnouncementId));
    return said == row.spoken ? "" : "it says \"" + said + "\"";
}

}  // namespace

void AddSpokenResetTests(std::vector<Case>& cases) {
    for (const sessions::SpokenReset& row : sessions::AllSpokenResets())
        cases.push_back({std::string("the live region says the reset: ") + row.name,
                         [&row] { return ResetProblem(row); }});
}

}  // namespace win32_test
