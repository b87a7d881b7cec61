#include <QApplication>

#include "app/qt/main_window.h"
#include "app/qt/translations.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, which names the icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.fernbogen.fernbogen"));
    app::qt::InstallGermanQtTexts(application);
    app::qt::MainWindow window;
    window.show();
    return QApplication::exec();
}
