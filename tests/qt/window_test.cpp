// The window as it opens, and the results the recalculation writes for the worked results that
// both windows share.
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "form/layout.h"
#include "qt/main_window.h"
#include "sessions/worked_results.h"

using qt::MainWindow;

Q_DECLARE_METATYPE(const sessions::WorkedResult*)
Q_DECLARE_METATYPE(const sessions::GuardTrip*)

namespace {

const sessions::Points kDefaults{"0 0 0 N", "0 0 0 W", "0 0 0 S", "0 0 0 E"};
const sessions::Points kBerlinToMunich{"52 31 0 N", "13 24 0 E", "48 8 0 N", "11 35 0 E"};

void SetBoxes(MainWindow& window, const std::array<std::string, form::kBoxCount>& texts) {
    for (int n = 1; n <= form::kBoxCount; ++n)
        window.Box(n)->WriteText(QString::fromStdString(texts[n - 1]));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void opensWithDefaultsAndEmptyResults() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.objectName(), QString("Form1"));
        QCOMPARE(window.windowTitle(),
                 QString("berechnet Abstand geographischer Punkte auf dem Fernbogen"));
        const auto defaults = sessions::BoxTexts(kDefaults);
        for (int n = 1; n <= form::kBoxCount; ++n)
            QCOMPARE(window.Box(n)->text(), QString::fromStdString(defaults[n - 1]));
        QCOMPARE(window.Label(17)->text(), QString());
        QCOMPARE(window.Label(20)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), window.Box(4));
    }

    // Its frame, the close box only at a fixed size, is checked as a window manager reads it, from
    // the X11 window's hints (tools/test.d/57-wayland.sh).
    void isAWindowOfTheDesignsSize() {
        MainWindow window;
        QCOMPARE(window.size(), QSize(503, 175));
        QCOMPARE(window.windowType(), Qt::Window);
    }

    void escapeAndEnterDoNotCloseTheWindow() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.Box(4), Qt::Key_Escape);
        QTest::keyClick(window.Box(14), Qt::Key_Return);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void boxesAreDrawnAboveTheUnitSignsTheyOverlap() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Text4 ends at x = 45, its degrees sign begins at x = 40.
        QCOMPARE(window.childAt(42, 50), window.Box(4));
        QCOMPARE(window.childAt(42, 95), window.Box(1));
    }

    void clickingALabelOrALineMovesNoFocus() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 145));  // the distance field
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(213, 60));   // the first upright line
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(240, 55));   // "Länge"
        QCOMPARE(QApplication::focusWidget(), window.Box(4));
        QCOMPARE(window.Label(17)->text(), QString());
        QVERIFY(window.findChild<QWidget*>("Line1") && window.findChild<QWidget*>("Line5"));
    }

    void recalculateWritesTheResults_data() {
        QTest::addColumn<const sessions::WorkedResult*>("row");
        for (const auto& row : sessions::AllWorkedResults()) QTest::newRow(row.name) << &row;
    }
    void recalculateWritesTheResults() {
        QFETCH(const sessions::WorkedResult*, row);
        MainWindow window;
        QSignalSpy beeps(&window, &MainWindow::Beeped);
        SetBoxes(window, sessions::BoxTexts(row->points));
        window.Logic().Recalculate();
        QCOMPARE(window.Label(17)->text(), QString(row->distance));
        QCOMPARE(window.Label(20)->text(), QString(row->course));
        QCOMPARE(beeps.count(), 0);
    }

    void theGuardZeroesTheGroupBeepsAndWritesNoLabel_data() {
        QTest::addColumn<const sessions::GuardTrip*>("row");
        for (const auto& row : sessions::AllGuardTrips()) QTest::newRow(row.name) << &row;
    }
    void theGuardZeroesTheGroupBeepsAndWritesNoLabel() {
        QFETCH(const sessions::GuardTrip*, row);
        MainWindow window;
        QSignalSpy beeps(&window, &MainWindow::Beeped);
        window.Label(17)->setText("earlier distance");
        window.Label(20)->setText("earlier course");
        const auto texts = sessions::BoxTexts(row->points);
        SetBoxes(window, texts);
        window.Logic().Recalculate();
        QCOMPARE(beeps.count(), 1);
        for (int n = 1; n <= form::kBoxCount; ++n) {
            const bool zeroed =
                std::find(row->zeroed.begin(), row->zeroed.end(), n) != row->zeroed.end();
            QCOMPARE(window.Box(n)->text(), QString::fromStdString(zeroed ? "0" : texts[n - 1]));
        }
        QCOMPARE(window.Label(17)->text(), QString("earlier distance"));
        QCOMPARE(window.Label(20)->text(), QString("earlier course"));
    }

    void aGermanLocaleShowsADecimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow window;
        SetBoxes(window, sessions::BoxTexts(kBerlinToMunich));
        window.Logic().Recalculate();
        QCOMPARE(window.Label(17)->text(), QString("503,9 Km"));
        QCOMPARE(window.Label(20)->text(), QString("195,5 Grad"));
        SetBoxes(window, sessions::BoxTexts(kDefaults));
        window.Logic().Recalculate();
        QCOMPARE(window.Label(17)->text(), QString("0,00 Km"));
    }

    void clearResultsEmptiesBothLabels() {
        MainWindow window;
        window.Logic().Recalculate();
        QVERIFY(!window.Label(17)->text().isEmpty());
        window.Logic().ClearResults();
        QCOMPARE(window.Label(17)->text(), QString());
        QCOMPARE(window.Label(20)->text(), QString());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
