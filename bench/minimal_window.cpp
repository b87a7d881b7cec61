// The floor Qt sets for a window with text: a plain window of Fernbogen's size with one edit box
// and one label, in the toolkit's default fonts, colours and style, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "form/layout.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(form::TwipsToPixels(form::kClientWidth),
                        form::TwipsToPixels(form::kClientHeight));
    auto* box = new QLineEdit(QStringLiteral("52"), &window);
    box->setGeometry(20, 20, 60, 24);
    auto* label = new QLabel(QStringLiteral("503,9 Km"), &window);
    label->setGeometry(20, 60, 200, 24);
    window.show();
    return QApplication::exec();
}
