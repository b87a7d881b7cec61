// The window Form1 on Qt: builds the controls from the layout tables and implements Controls for
// the form's logic.
#pragma once

#include <QWidget>
#include <array>

#include "form/controls.h"
#include "form/focus_tracker.h"
#include "form/form.h"
#include "form/layout.h"
#include "qt/announcer.h"
#include "qt/edit_box.h"

class QLabel;

namespace qt {

class MainWindow : public QWidget, public form::Controls, private BoxEvents {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    form::Form& Logic() { return form_; }
    EditBox* Box(int n) const { return boxes_[n - 1]; }
    QLabel* Label(int n) const { return labels_[n - 1]; }
    Announcer* Announcements() { return &announcer_; }

    // Controls
    std::string BoxText(int box) const override;
    void SetBoxText(int box, std::string_view text) override;
    void SetLabelCaption(int label, std::string_view caption) override;
    void Beep() override;
    void Announce(std::string_view message) override;
    std::optional<double> ToNumber(std::string_view text) const override;
    std::string DecimalSeparator() const override;

  signals:
    // Sounded by the coordinate guard.
    void Beeped();

  protected:
    void changeEvent(QEvent* event) override;
    // A right click on a result field opens its copy menu. The labels let the mouse through to
    // the window, so that a click on them takes no focus; the window finds the field under it.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The colours of the window and its controls from the desktop's palette.
    void ApplyColours();

    // BoxEvents
    void KeyPress(int box, int& keyAscii) override;
    void FocusIn(int box, Qt::FocusReason reason) override;
    void FocusOut(int box, Qt::FocusReason reason) override;

    form::Form form_;
    std::array<EditBox*, form::kBoxCount> boxes_{};
    std::array<QLabel*, form::kLabelCount> labels_{};
    form::FocusTracker focus_{form_};
    Announcer announcer_{this};
};

}  // namespace qt
