// What the boxes deliver to the form's handlers: the character codes of keys, and the focus
// notifications of real changes of focus only.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "qt/edit_box.h"
#include "qt/main_window.h"
#include "user_actions.h"

using qt::KeyAsciiOf;
using qt::MainWindow;

class EntryTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void keysAndTheirCharacterCodes() {
        const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier,
                                          keypad = Qt::KeypadModifier, alt = Qt::AltModifier;
        constexpr int kNothing = -1;  // no character notification
        const struct {
            const char* what;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QString text;
            int keyAscii;
        } cases[] = {
            {"a digit", Qt::Key_7, none, "7", '7'},
            {"a keypad digit", Qt::Key_7, keypad, "7", '7'},
            {"a letter", Qt::Key_A, none, "a", 'a'},
            {"an umlaut", Qt::Key_Adiaeresis, none, "ä", 0xE4},
            {"a blank", Qt::Key_Space, none, " ", ' '},
            {"Return is Enter", Qt::Key_Return, none, "\r", 13},
            {"keypad Enter", Qt::Key_Enter, keypad, "\r", 13},
            {"Escape", Qt::Key_Escape, none, "\x1b", 27},
            {"Backspace", Qt::Key_Backspace, none, "\b", 8},
            {"Ctrl+V", Qt::Key_V, ctrl, "\x16", 22},
            {"Ctrl+V without text", Qt::Key_V, ctrl, "", 22},
            {"Ctrl+A", Qt::Key_A, ctrl, "\x01", 1},
            {"Tab", Qt::Key_Tab, none, "\t", kNothing},
            {"Shift+Tab", Qt::Key_Backtab, shift, "", kNothing},
            {"Delete", Qt::Key_Delete, none, "\x7f", kNothing},
            {"an arrow", Qt::Key_Left, none, "", kNothing},
            {"Home", Qt::Key_Home, none, "", kNothing},
            {"a function key", Qt::Key_F2, none, "", kNothing},
            {"Shift alone", Qt::Key_Shift, shift, "", kNothing},
            {"Alt+a belongs to the window", Qt::Key_A, alt, "a", kNothing},
            {"Ctrl+digit produces nothing", Qt::Key_5, ctrl, "5", kNothing},
        };
        for (const auto& c : cases) {
            const int code = KeyAsciiOf(c.key, c.modifiers, c.text).value_or(kNothing);
            QVERIFY2(code == c.keyAscii, qPrintable(QString("%1: %2").arg(c.what).arg(code)));
        }
    }

    // The first key after a focus change replaces; a context menu or another program in between
    // is no change of focus.
    void aContextMenuIsNoChangeOfFocus() {
        MainWindow window;
        QVERIFY_PLAYS(window, "click Text2; type 45; expect Label17 = ");
        const std::unique_ptr<QMenu> menu(window.Box(2)->createStandardContextMenu());
        QTimer::singleShot(0, menu.get(), &QMenu::close);
        menu->exec(window.Box(2)->mapToGlobal(QPoint(2, 2)));
        // No validation ran, and the box is not fresh: the next key edits the text.
        QVERIFY(!window.Logic().FreshFocus(2));
        QVERIFY_PLAYS(window, "expect Label17 = ; key Backspace; expect Text2 = 4");
    }

    void switchingToAnotherProgramAndBackIsNoChangeOfFocus() {
        MainWindow window;
        // Leaving the window validates nothing; coming back to it is no arrival in the box, and
        // leaving the box for real validates it once.
        QVERIFY_PLAYS(window, "click Text2; type 95; away; expect Text2 = 95; expect Label17 = ");
        QVERIFY_PLAYS(window, "expect focus Text2");
        QVERIFY(!window.Logic().FreshFocus(2));
        QVERIFY_PLAYS(window, "tab; expect Text2 = 0; expect Label17 = 0.00 Km");
    }

    // Characters composed with a dead key or an input method arrive as committed text, which the
    // boxes filter as they filter typed keys; a composition still pending changes nothing. Each
    // box is entered after 30 in Text2 and Shift+Tab back into it, which selects the 30.
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
            QVERIFY_PLAYS(window, c.box == 2 ? "click Text2; type 30; tab; backtab"
                                             : "click Text2; type 30; tab; backtab; click Text13");
            QInputMethodEvent composed(c.pending, {});
            composed.setCommitString(c.committed);
            QApplication::sendEvent(window.Box(c.box), &composed);
            const QString problem =
                qt_test::Play(window, QString("expect Text%1 = %2; expect Label17 = %3")
                                          .arg(QString::number(c.box), c.shown, c.distance)
                                          .toStdString());
            QVERIFY2(problem.isEmpty(), qPrintable(c.what + (": " + problem)));
        }
    }

    // Found by the window fuzzer: a key held with Ctrl or Alt that still types a character ran the
    // box's editing shortcut after the handler: Ctrl+Shift+Backspace cleared the letter just
    // written. (Ctrl+U, Ctrl+K and the like are shortcuts on X11 only, so offscreen they could not
    // show it.)
    void backspaceWithModifiersInALetterBoxOnlyToggles_data() {
        QTest::addColumn<int>("modifiers");
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
        QTest::newRow("Ctrl+Shift+Alt+Backspace, as the fuzzer found it") << (ctrl | shift | alt);
        QTest::newRow("Ctrl+Shift+Backspace clears no line") << (ctrl | shift);
        QTest::newRow("Ctrl+Alt+Backspace clears no line") << (ctrl | alt);
    }
    void backspaceWithModifiersInALetterBoxOnlyToggles() {
        QFETCH(int, modifiers);
        MainWindow window;
        // Shift+Tab from the first box lands in the destination latitude's letter, "S".
        QVERIFY_PLAYS(window, "backtab; key CtrlA; expect Text15 = N");
        QTest::keyClick(window.Box(15), Qt::Key_Backspace, Qt::KeyboardModifiers(modifiers));
        QVERIFY_PLAYS(window, "expect Text15 = S; expect Label17 = 0.00 Km; expect Label20 = egal");
    }

    void aLetterBoxIgnoresPastingByKeyAndUndo() {
        QGuiApplication::clipboard()->setText("X");
        MainWindow window;
        QVERIFY_PLAYS(window,
                      "click Text13; key CtrlV; expect Text13 = S; key CtrlZ; expect Text13 = N");
    }

    void closingTheWindowRunsNoHandler() {
        auto* window = new MainWindow;
        QVERIFY_PLAYS(*window, "type 99");
        delete window;  // must not validate Text4 on a half-destroyed window
    }
};

QTEST_MAIN(EntryTest)
#include "entry_test.moc"
