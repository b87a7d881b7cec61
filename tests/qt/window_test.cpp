// The window through its real widgets: as it opens, in every user session (mouse clicks, key
// presses, Tab, the clipboard and the boxes' paste action), with the worked results that both
// windows share, and in what its boxes deliver to the form's handlers: the character codes of keys,
// and the focus notifications of real changes of focus only. Its boxes in tab order as
// tests/data/boxes.tsv has them are checked over the AT-SPI bus
// (tests/accessibility/screen_reader_client.py). (The sessions press Enter and Escape in the boxes
// and go on typing into the window: neither closes it.)
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "form/layout.h"
#include "qt/edit_box.h"
#include "qt/main_window.h"
#include "sessions/session.h"
#include "sessions/worked_results.h"
#include "user_actions.h"

using qt::KeyAsciiOf;
using qt::MainWindow;

Q_DECLARE_METATYPE(const sessions::Session*)

namespace {

// The window as it opens with the texts in its boxes and the earlier captions, recalculated.
sessions::WindowState Recalculated(const sessions::BoxContents& texts) {
    MainWindow window;
    QSignalSpy beeps(&window, &MainWindow::Beeped);
    window.Label(form::kDistanceLabel)->setText(sessions::kEarlierDistance);
    window.Label(form::kCourseLabel)->setText(sessions::kEarlierCourse);
    for (int n = 1; n <= form::kBoxCount; ++n)
        window.Box(n)->WriteText(QString::fromStdString(texts[n - 1]));
    window.Logic().Recalculate();
    return qt_test::StateOf(window, static_cast<int>(beeps.count()));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Captions and fonts as the labels and boxes draw them, in the top-level window Form1.
    void captionsAndFontsAsDrawn() {
        // Label1 to Label20, five to a line.
        const QStringList captions{"  von ", " nach ", "Breite",    " °",          " '",
                                   " \"",    " °",     " '",        " \"",         " °",
                                   " '",     " \"",    " °",        " '",          " \"",
                                   "Länge",  "",       " sind es ", " Richtung: ", ""};
        const QList<int> headings{1, 2, 3, 16, 18, 19}, results{17, 20};
        MainWindow window;
        QVERIFY_PLAYS(window, "");
        QCOMPARE(window.objectName(), QString("Form1"));
        QCOMPARE(window.windowType(), Qt::Window);
        const auto drawn = [](QWidget* widget) {
            const QFontInfo font = widget->fontInfo();
            return QString("%1: %2 pt%3%4")
                .arg(widget->objectName())
                .arg(font.pointSizeF())
                .arg(font.bold() ? " bold" : "", font.underline() ? " underlined" : "");
        };
        for (int n = 1; n <= form::kLabelCount; ++n) {
            QCOMPARE(window.Label(n)->text(), captions[n - 1]);
            const char* font = headings.contains(n)  ? "9.75 pt bold underlined"
                               : results.contains(n) ? "12 pt bold underlined"
                                                     : "18 pt";
            QCOMPARE(drawn(window.Label(n)), QString("Label%1: %2").arg(n).arg(font));
        }
        for (int n = 1; n <= form::kBoxCount; ++n)
            QCOMPARE(drawn(window.Box(n)), QString("Text%1: 12 pt bold").arg(n));
    }

    void clickingALabelOrALineMovesNoFocus_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("with the left button") << Qt::LeftButton;
        QTest::newRow("with the right button, which opens the distance field's menu")
            << Qt::RightButton;
    }
    void clickingALabelOrALineMovesNoFocus() {
        QFETCH(Qt::MouseButton, button);
        MainWindow window;
        QVERIFY_PLAYS(window, "");
        // The distance field, the first upright line, "Länge": only the field has a menu.
        for (const auto& [at, field] : {std::pair{QPoint(100, 145), true},
                                        {QPoint(213, 60), false},
                                        {QPoint(240, 55), false}}) {
            QTest::mouseClick(window.windowHandle(), button, {}, at);
            QWidget* menu = QApplication::activePopupWidget();
            QCOMPARE(menu != nullptr, field && button == Qt::RightButton);
            if (menu) QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY2(!QApplication::activePopupWidget(), "a menu is still open");
        }
        QVERIFY_PLAYS(window, "expect focus Text4; expect Label17 = ");
        QVERIFY2(window.Logic().FreshFocus(4), "Text4 was left or typed into");
        QVERIFY(window.findChild<QWidget*>("Line1") && window.findChild<QWidget*>("Line5"));
    }

    void recalculateWritesTheWorkedResultsWithoutABeep() {
        const std::string wrong = sessions::WrongWorkedResults(Recalculated);
        QVERIFY2(wrong.empty(), wrong.c_str());
    }

    void theGuardZeroesTheGroupBeepsAndWritesNoLabel() {
        const std::string wrong = sessions::WrongGuardTrips(Recalculated);
        QVERIFY2(wrong.empty(), wrong.c_str());
    }

    void session_data() {
        QTest::addColumn<const sessions::Session*>("session");
        for (const sessions::Session& s : sessions::AllSessions()) QTest::newRow(s.name) << &s;
    }
    void session() {
        QFETCH(const sessions::Session*, session);
        qt::MainWindow window;
        QVERIFY_PLAYS(window, session->script);
    }

    void aStepFileNamingAnUnknownKeyFailsWhenReadWithItsLine() {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("= a session\nclick Text1; type 5\nkey Enterr\n");
        file.close();
        try {
            sessions::ReadStepFile(file.fileName().toStdString());
            QFAIL("the file was read");
        } catch (const std::invalid_argument& e) {
            QCOMPARE(QString(e.what()), file.fileName() + ":3: no such key: Enterr");
        }
    }

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
        const struct {
            const char* what;
            int box;
            QString pending, committed;
            const char* then;
        } cases[] = {
            {"a composed letter is discarded and the fresh box keeps its value", 2, "", "é",
             "expect Text2 = 30; expect Label17 = "},
            {"of composed digits and letters the digits stay, up to the length", 2, "", "1ü23",
             "expect Text2 = 12; expect Label17 = "},
            {"a pending dead key leaves the selected text and the results", 2, "´", "",
             "expect Text2 = 30; expect Label17 = 55.57 Km"},
            {"a composed letter toggles a letter box", 13, "", "ñ",
             "expect Text13 = S; expect Label17 = 55.57 Km"},
        };
        for (const auto& c : cases) {
            MainWindow window;
            QVERIFY_PLAYS(window, c.box == 2 ? "click Text2; type 30; tab; backtab"
                                             : "click Text2; type 30; tab; backtab; click Text13");
            QInputMethodEvent composed(c.pending, {});
            composed.setCommitString(c.committed);
            QApplication::sendEvent(window.Box(c.box), &composed);
            const QString problem = qt_test::Play(window, c.then);
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

QTEST_MAIN(WindowTest)
#include "window_test.moc"
