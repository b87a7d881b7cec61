// The guard's beep as the user hears it: it must reach the display server as its bell, not only
// leave the window as a signal. Runs on a virtual X display of its own (tools/with-xvfb).
#include <QTest>

#include "qt/main_window.h"
#include "user_actions.h"

// After Qt's headers: Xlib's macros would break them.
#include <X11/XKBlib.h>

class BeepTest : public QObject {
    Q_OBJECT

  private slots:
    void theGuardRingsTheDisplaysBellOnce() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        // A second client of the display, told of every bell the server rings.
        Display* display = XOpenDisplay(nullptr);
        QVERIFY(display);
        int opcode = 0, xkbEvent = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        QVERIFY(XkbQueryExtension(display, &opcode, &xkbEvent, &error, &major, &minor));
        XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
        XSync(display, False);
        int bells = 0;
        const auto countBells = [&] {
            while (XPending(display)) {
                XkbEvent event;
                XNextEvent(display, &event.core);
                if (event.type == xkbEvent && event.any.xkb_type == XkbBellNotify) ++bells;
            }
            return bells;
        };

        qt::MainWindow window;
        // 90 degrees of start latitude are in range, and ring nothing; 30 minutes more are not.
        QVERIFY_PLAYS(window, "click Text1; type 90; tab; type 30; key Enter; expect Text1 = 0");
        QTRY_VERIFY(countBells() > 0);
        QTest::qWait(100);
        QCOMPARE(countBells(), 1);
        XCloseDisplay(display);
    }
};

QTEST_MAIN(BeepTest)
#include "beep_test.moc"
