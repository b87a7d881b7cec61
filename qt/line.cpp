#include "qt/line.h"

#include <QPainter>
#include <QPen>

namespace app::qt {

namespace {

QColor ToColour(unsigned rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

}  // namespace

Line::Line(const LineSpec& spec, QWidget* parent) : QWidget(parent), spec_(spec) {
    setObjectName(QStringLiteral("Line%1").arg(spec.line));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QLine l = line();
    const int half = kLineWidthPixels / 2;
    setGeometry(QRect(l.p1(), l.p2()).normalized().adjusted(-half, -half, half + 1, half + 1));
}

QLine Line::line() const {
    return QLine(TwipsToPixels(spec_.x1), TwipsToPixels(spec_.y1), TwipsToPixels(spec_.x2),
                 TwipsToPixels(spec_.y2));
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(ToColour(colour::kLine), kLineWidthPixels, Qt::SolidLine, Qt::FlatCap));
    // Through the pixel centres and out to the end pixels' outer edges, the pen covers whole
    // pixels at any scale: at 1x the three rows or columns around the line from its first pixel
    // to its last, at 2x exactly the device pixels beneath them.
    QLineF centred = QLineF(line().translated(-pos())).translated(0.5, 0.5);
    const QPointF halfPixel = (centred.p2() - centred.p1()) / centred.length() / 2;
    centred.setPoints(centred.p1() - halfPixel, centred.p2() + halfPixel);
    painter.drawLine(centred);
}

}  // namespace app::qt
