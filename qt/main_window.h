// The window Form1 on Qt: builds the controls from the layout tables and implements Controls for
// the form's logic.
#pragma once

#include <QWidget>
#include <array>

#include "form/controls.h"
#include "form/focus_tracker.h"
#include "form/form.h"
#include "form/layout.h"
#include "qt/edit_box.h"

class QLabel;

namespace app::qt {

class Line;

class MainWindow : public QWidget, public Controls, private BoxEvents {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form& form() { return form_; }
    EditBox* box(int n) const { return boxes_[n - 1]; }
    QLabel* label(int n) const { return labels_[n - 1]; }

    // Controls
    std::string boxText(int box) const override;
    void setBoxText(int box, std::string_view text) override;
    void setLabelCaption(int label, std::string_view caption) override;
    void beep() override;
    std::optional<double> toNumber(std::string_view text) const override;
    std::string decimalSeparator() const override;

  signals:
    // Sounded by the coordinate guard.
    void beeped();

  private:
    // BoxEvents
    void keyPress(int box, int& KeyAscii) override;
    void focusIn(int box, Qt::FocusReason reason) override;
    void focusOut(int box, Qt::FocusReason reason) override;

    Form form_;
    std::array<EditBox*, kBoxCount> boxes_{};
    std::array<QLabel*, kLabelCount> labels_{};
    std::array<Line*, kLineCount> lines_{};
    FocusTracker focus_{form_};
};

}  // namespace app::qt
