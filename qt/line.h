// A straight line of the window's layout, drawn over its own bounding box.
#pragma once

#include <QWidget>

#include "form/layout.h"

namespace qt {

class Line : public QWidget {
  public:
    Line(const form::LineLayout& layout, QWidget* parent);

    QLine EndPoints() const;  // end points in the parent's pixels

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    form::LineLayout layout_;
};

}  // namespace qt
