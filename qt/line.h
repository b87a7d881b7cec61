// A straight line of the window's layout, drawn over its own bounding box.
#pragma once

#include <QWidget>

#include "form/layout.h"

namespace app::qt {

class Line : public QWidget {
  public:
    Line(const LineSpec& spec, QWidget* parent);

    QLine line() const;  // end points in the parent's pixels

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LineSpec spec_;
};

}  // namespace app::qt
