#include "qt/line.h"

#include <QPainter>
#include <QPen>

#include "qt/colour.h"

namespace qt {

Line::Line(const form::LineLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    setObjectName(QStringLiteral("Line%1").arg(layout.line));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QLine l = EndPoints();
    const int half = form::kLineWidthPixels / 2;
    setGeometry(QRect(l.p1(), l.p2()).normalized().adjusted(-half, -half, half + 1, half + 1));
}

QLine Line::EndPoints() const {
    return QLine(form::TwipsToPixels(layout_.x1), form::TwipsToPixels(layout_.y1),
                 form::TwipsToPixels(layout_.x2), form::TwipsToPixels(layout_.y2));
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        QPen(ToColour(form::colour::kLine), form::kLineWidthPixels, Qt::SolidLine, Qt::FlatCap));
    // Through the pixel centres and out to the end pixels' outer edges, the pen covers whole
    // pixels at any scale: at 1x the three rows or columns around the line from its first pixel
    // to its last, at 2x exactly the device pixels beneath them.
    QLineF centred = QLineF(EndPoints().translated(-pos())).translated(0.5, 0.5);
    const QPointF halfPixel = (centred.p2() - centred.p1()) / centred.length() / 2;
    centred.setPoints(centred.p1() - halfPixel, centred.p2() + halfPixel);
    painter.drawLine(centred);
}

}  // namespace qt
