// A result field's own menu, with the one entry "Kopieren": it puts the field's text, as shown,
// on the clipboard, and on X11 into the primary selection too, so that a middle click pastes it.
// The fields stay plain labels: no text selection that would invite Ctrl+C, which the boxes
// discard, and no focus.
#pragma once

class QLabel;
class QPoint;
class QWidget;

namespace qt {

// Opens the menu at global, a point on the screen, and returns at once; the entry is disabled
// while the field is empty. The menu belongs to owner and goes when it closes.
void OpenCopyMenu(QWidget* owner, const QLabel* field, const QPoint& global);

}  // namespace qt
