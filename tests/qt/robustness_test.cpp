// Faults the fuzz targets found in the window, each kept as the sequence of user actions that
// showed it.
#include <QLabel>
#include <QLocale>
#include <QTest>

#include "qt/main_window.h"

using qt::MainWindow;

class RobustnessTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // A key held with Ctrl or Alt that still types a character once ran the box's editing
    // shortcut after the handler: Ctrl+Shift+Backspace cleared the letter just written. (Ctrl+U,
    // Ctrl+K and the like are shortcuts on X11 only, so offscreen they could not show it.)
    void aKeyWithModifiersInALetterBoxOnlyToggles_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
        QTest::newRow("Ctrl+Shift+Alt+Backspace, as the fuzzer found it")
            << int(Qt::Key_Backspace) << (ctrl | shift | alt);
        QTest::newRow("Ctrl+Shift+Backspace clears no line")
            << int(Qt::Key_Backspace) << (ctrl | shift);
        QTest::newRow("Ctrl+Alt+Backspace clears no line")
            << int(Qt::Key_Backspace) << (ctrl | alt);
    }
    void aKeyWithModifiersInALetterBoxOnlyToggles() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Shift+Tab from the first box lands in the destination latitude's letter, "S".
        QTest::keyClick(window.Box(4), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(window.Box(15), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window.Box(15)->text(), QString("N"));
        QTest::keyClick(window.Box(15), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window.Box(15)->text(), QString("S"));
        QCOMPARE(window.Label(17)->text(), QString("0.00 Km"));
        QCOMPARE(window.Label(20)->text(), QString("egal"));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
