// What the boxes deliver to the form's handlers: the character codes of keys, and the focus
// notifications of real changes of focus only.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "qt/edit_box.h"
#include "qt/main_window.h"

using qt::KeyAsciiOf;
using qt::MainWindow;

class EntryTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void keysAndTheirCharacterCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keyAscii");  // -1: no character notification
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        QTest::newRow("a digit") << int(Qt::Key_7) << none << "7" << int('7');
        QTest::newRow("a keypad digit")
            << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << int('7');
        QTest::newRow("a letter") << int(Qt::Key_A) << none << "a" << int('a');
        QTest::newRow("an umlaut") << int(Qt::Key_Adiaeresis) << none << "ä" << 0xE4;
        QTest::newRow("a blank") << int(Qt::Key_Space) << none << " " << int(' ');
        QTest::newRow("Return is Enter") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("Ctrl+V without text") << int(Qt::Key_V) << ctrl << "" << 22;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "\x01" << 1;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << -1;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << shift << "" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("an arrow") << int(Qt::Key_Left) << none << "" << -1;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << -1;
        QTest::newRow("a function key") << int(Qt::Key_F2) << none << "" << -1;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << shift << "" << -1;
        QTest::newRow("Alt+a belongs to the window")
            << int(Qt::Key_A) << int(Qt::AltModifier) << "a" << -1;
        QTest::newRow("Ctrl+digit produces nothing") << int(Qt::Key_5) << ctrl << "5" << -1;
    }
    void keysAndTheirCharacterCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, keyAscii);
        const std::optional<int> code = KeyAsciiOf(key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(code.value_or(-1), keyAscii);
    }

    // The first key after a focus change replaces; a context menu or another program in between
    // is no change of focus.
    void aContextMenuIsNoChangeOfFocus() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.Box(2), Qt::LeftButton);
        QTest::keyClicks(window.Box(2), "45");
        QCOMPARE(window.Label(17)->text(), QString());
        QMenu* menu = window.Box(2)->createStandardContextMenu();
        QTimer::singleShot(0, menu, &QMenu::close);
        menu->exec(window.Box(2)->mapToGlobal(QPoint(2, 2)));
        delete menu;
        // No validation ran, and the box is not fresh: the next digit is appended.
        QCOMPARE(window.Label(17)->text(), QString());
        QVERIFY(!window.Logic().FreshFocus(2));
        QTest::keyClick(window.Box(2), Qt::Key_Backspace);
        QCOMPARE(window.Box(2)->text(), QString("4"));
    }

    void switchingToAnotherProgramAndBackIsNoChangeOfFocus() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.Box(2), Qt::LeftButton);
        QTest::keyClicks(window.Box(2), "95");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        // Leaving the window validates nothing.
        QCOMPARE(window.Box(2)->text(), QString("95"));
        QCOMPARE(window.Label(17)->text(), QString());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.Box(2));
        QVERIFY(!window.Logic().FreshFocus(2));
        // Leaving the box for real validates it once.
        QTest::keyClick(window.Box(2), Qt::Key_Tab);
        QCOMPARE(window.Box(2)->text(), QString("0"));
        QCOMPARE(window.Label(17)->text(), QString("0.00 Km"));
    }

    // Characters composed with a dead key or an input method arrive as committed text, which the
    // boxes filter as they filter typed keys; a composition still pending changes nothing.
    void composedCharactersAreFilteredAsTypedOnes() {
        struct Case {
            const char* what;
            int box;
            QString pending, committed, shown, distance;
        };
        const Case cases[] = {
            {"a composed letter is discarded and the fresh box keeps its value", 2, "", "é", "30",
             ""},
            {"of composed digits and letters the digits stay, up to the length", 2, "", "1ü23",
             "12", ""},
            {"a pending dead key leaves the selected text and the results", 2, "´", "", "30",
             "55.57 Km"},
            {"a composed letter toggles a letter box", 13, "", "ñ", "S", "55.57 Km"},
        };
        for (const Case& c : cases) {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::mouseClick(window.Box(2), Qt::LeftButton);
            QTest::keyClicks(window.Box(2), "30");
            QTest::keyClick(window.Box(2), Qt::Key_Tab);
            // Back into Text2 by Shift+Tab, which selects its 30; into another box by a click.
            QTest::keyClick(window.Box(3), Qt::Key_Backtab, Qt::ShiftModifier);
            if (c.box != 2) QTest::mouseClick(window.Box(c.box), Qt::LeftButton);
            QInputMethodEvent composed(c.pending, {});
            composed.setCommitString(c.committed);
            QApplication::sendEvent(window.Box(c.box), &composed);
            const QString shown = window.Box(c.box)->text(), distance = window.Label(17)->text();
            QVERIFY2(shown == c.shown && distance == c.distance,
                     qPrintable(QString("%1: \"%2\", \"%3\"").arg(c.what, shown, distance)));
        }
    }

    // Found by the window fuzzer: a key held with Ctrl or Alt that still types a character ran the
    // box's editing shortcut after the handler: Ctrl+Shift+Backspace cleared the letter just
    // written. (Ctrl+U, Ctrl+K and the like are shortcuts on X11 only, so offscreen they could not
    // show it.)
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

    void aLetterBoxIgnoresPastingByKeyAndUndo() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QGuiApplication::clipboard()->setText("X");
        QTest::mouseClick(window.Box(13), Qt::LeftButton);
        QTest::keyClick(window.Box(13), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window.Box(13)->text(), QString("S"));
        QTest::keyClick(window.Box(13), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Box(13)->text(), QString("N"));
    }

    void closingTheWindowRunsNoHandler() {
        auto* window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClicks(window->Box(4), "99");
        delete window;  // must not validate Text4 on a half-destroyed window
    }
};

QTEST_MAIN(EntryTest)
#include "entry_test.moc"
