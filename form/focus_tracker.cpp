#include "form/focus_tracker.h"

#include <utility>

#include "form/form.h"

namespace form {

void FocusTracker::Entered(int box) {
    if (box == focusedBox_) return;
    if (focusedBox_ != 0) form_.LostFocus(std::exchange(focusedBox_, 0));
    focusedBox_ = box;
    form_.GotFocus(box);
}

void FocusTracker::Left(int box) {
    if (box != focusedBox_) return;
    focusedBox_ = 0;
    form_.LostFocus(box);
}

}  // namespace form
