// The window as it opens, every user session replayed through its real widgets (mouse clicks, key
// presses, Tab, the clipboard and the boxes' paste action), and the results the recalculation
// writes for the worked results that both windows share. Its boxes in tab order as
// tests/data/boxes.tsv has them are checked over the AT-SPI bus
// (tests/accessibility/screen_reader_client.py). (The sessions press Enter and Escape in the
// boxes and go on typing into the window: neither closes it.)
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "form/layout.h"
#include "qt/main_window.h"
#include "sessions/session.h"
#include "sessions/worked_results.h"
#include "user_actions.h"

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
    void init() { QLocale::setDefault(QLocale::c()); }

    // Captions and fonts as the labels and boxes draw them, in the top-level window Form1.
    void captionsAndFontsAsDrawn() {
        // Label1 to Label20, five to a line.
        const QStringList captions{"  von ", " nach ", "Breite",    " °",          " '",
                                   " \"",    " °",     " '",        " \"",         " °",
                                   " '",     " \"",    " °",        " '",          " \"",
                                   "Länge",  "",       " sind es ", " Richtung: ", ""};
        const QList<int> headings{1, 2, 3, 16, 18, 19}, results{17, 20};
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
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
        QCOMPARE(QApplication::focusWidget(), window.Box(4));
        QVERIFY2(window.Logic().FreshFocus(4), "Text4 was left or typed into");
        QCOMPARE(window.Label(17)->text(), QString());
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
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
