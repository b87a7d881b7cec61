#include <QApplication>

#include "app/qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::qt::MainWindow window;
    window.show();
    return QApplication::exec();
}
