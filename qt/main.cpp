#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <thread>

#include "qt/display_choice.h"
#include "qt/main_window.h"
#include "qt/translations.h"

int main(int argc, char* argv[]) {
    // Fontconfig reading its configuration and font caches is the largest single part of the time
    // until the window shows. It runs while the application connects to the display; the window's
    // fonts then find it done.
    std::thread fontconfig([] { FcInit(); });
    qt::PreferFrameDrawnByCompositor();
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, which names the icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.fernbogen.fernbogen"));
    qt::InstallGermanQtTexts(application);
    fontconfig.join();
    qt::MainWindow window;
    window.show();
    return QApplication::exec();
}
