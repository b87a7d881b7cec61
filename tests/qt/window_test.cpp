// The window as it opens, and the results the recalculation writes for given box texts.
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "form/layout.h"
#include "qt/main_window.h"

using qt::MainWindow;

namespace {

// Box texts in the order Text1..Text16.
using BoxTexts = QStringList;

const BoxTexts kDefaults{"0", "0", "0", "0", "0", "0", "0", "0",
                         "0", "0", "0", "0", "N", "W", "S", "E"};

// A start and a destination as a user leaves them in the boxes.
BoxTexts Points(QString lat1, QString lat1Min, QString ns1, QString lon1, QString lon1Min,
                QString we1, QString lat2, QString lat2Min, QString ns2, QString lon2,
                QString lon2Min, QString we2) {
    return {lat1, lat1Min, "0",     lon1, lon1Min, "0", lat2, lat2Min,
            "0",  lon2,    lon2Min, "0",  ns1,     we1, ns2,  we2};
}

void SetBoxes(MainWindow& window, const BoxTexts& texts) {
    for (int n = 1; n <= form::kBoxCount; ++n) window.Box(n)->WriteText(texts[n - 1]);
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
        for (int n = 1; n <= form::kBoxCount; ++n) QCOMPARE(window.Box(n)->text(), kDefaults[n - 1]);
        QCOMPARE(window.Label(17)->text(), QString());
        QCOMPARE(window.Label(20)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), window.Box(4));
    }

    void isAFixedWindowWithCloseBoxOnly() {
        MainWindow window;
        QCOMPARE(window.size(), QSize(503, 175));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
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

    void boxesHaveTheirGeometryAndMaximumLength_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("maxLength");
        // Pixels at 96 dpi: twips / 15.
        QTest::newRow("start longitude degrees") << 4 << QRect(4, 40, 41, 24) << 3;
        QTest::newRow("start longitude minutes") << 5 << QRect(64, 40, 33, 24) << 2;
        QTest::newRow("start longitude letter") << 14 << QRect(176, 40, 24, 24) << 1;
        QTest::newRow("start latitude degrees") << 1 << QRect(4, 84, 41, 24) << 2;
        QTest::newRow("start latitude letter") << 13 << QRect(176, 84, 25, 24) << 1;
        QTest::newRow("destination longitude degrees") << 10 << QRect(292, 40, 41, 24) << 3;
        QTest::newRow("destination longitude seconds") << 12 << QRect(404, 40, 33, 24) << 2;
        QTest::newRow("destination longitude letter") << 16 << QRect(468, 40, 23, 24) << 1;
        QTest::newRow("destination latitude minutes") << 8 << QRect(352, 84, 33, 24) << 2;
        QTest::newRow("destination latitude letter") << 15 << QRect(468, 84, 23, 24) << 1;
    }
    void boxesHaveTheirGeometryAndMaximumLength() {
        QFETCH(int, box);
        QFETCH(QRect, geometry);
        QFETCH(int, maxLength);
        MainWindow window;
        QCOMPARE(window.Box(box)->geometry(), geometry);
        QCOMPARE(window.Box(box)->maxLength(), maxLength);
        QCOMPARE(window.Box(box)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(window.Box(box)->palette().color(QPalette::Base), QColor(255, 224, 192));
        QVERIFY(window.Box(box)->font().bold());
        QCOMPARE(window.Box(box)->font().pointSizeF(), 12.0);
    }

    void labelsHaveTheirCaptionsAndStyles_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("points");
        QTest::newRow("von heading")
            << 1 << "  von " << QPoint(72, 8) << QColor(255, 192, 128) << 9.75;
        QTest::newRow("nach heading")
            << 2 << " nach " << QPoint(376, 8) << QColor(255, 192, 128) << 9.75;
        QTest::newRow("latitude row")
            << 3 << "Breite" << QPoint(228, 88) << QColor(255, 192, 128) << 9.75;
        QTest::newRow("longitude row")
            << 16 << "Länge" << QPoint(228, 48) << QColor(255, 192, 128) << 9.75;
        QTest::newRow("degrees sign") << 4 << " °" << QPoint(40, 85) << QColor(Qt::black) << 18.0;
        QTest::newRow("minutes sign") << 11 << " '" << QPoint(384, 83) << QColor(Qt::black) << 18.0;
        QTest::newRow("seconds sign")
            << 15 << " \"" << QPoint(436, 40) << QColor(Qt::black) << 18.0;
        QTest::newRow("before the distance")
            << 18 << " sind es " << QPoint(8, 136) << QColor(255, 192, 128) << 9.75;
        QTest::newRow("before the course")
            << 19 << " Richtung: " << QPoint(252, 136) << QColor(255, 192, 128) << 9.75;
    }
    void labelsHaveTheirCaptionsAndStyles() {
        QFETCH(int, label);
        QFETCH(QString, caption);
        QFETCH(QPoint, position);
        QFETCH(QColor, colour);
        QFETCH(double, points);
        MainWindow window;
        QLabel* l = window.Label(label);
        QCOMPARE(l->text(), caption);
        QCOMPARE(l->pos(), position);
        QCOMPARE(l->palette().color(QPalette::WindowText), colour);
        QCOMPARE(l->font().pointSizeF(), points);
        QCOMPARE(l->focusPolicy(), Qt::NoFocus);
    }

    void resultLabelsAreBorderedPeachFields() {
        MainWindow window;
        for (int n : {17, 20}) {
            QLabel* l = window.Label(n);
            QCOMPARE(l->frameShape(), QFrame::Box);
            QCOMPARE(l->alignment(), Qt::AlignCenter);
            QCOMPARE(l->palette().color(QPalette::Window), QColor(255, 224, 192));
            QVERIFY(l->font().bold() && l->font().underline());
        }
        QCOMPARE(window.Label(17)->geometry(), QRect(72, 132, 129, 25));
        QCOMPARE(window.Label(20)->geometry(), QRect(328, 132, 169, 25));
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
        QTest::addColumn<BoxTexts>("boxes");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("course");
        QTest::newRow("the defaults are one point") << kDefaults << "0.00 Km"
                                                    << "egal";
        QTest::newRow("a quarter of the equator eastwards")
            << Points("0", "0", "N", "0", "0", "W", "0", "0", "N", "90", "0", "E") << "10002 km"
            << "90.0 Grad";
        QTest::newRow("a quarter of the equator westwards")
            << Points("0", "0", "N", "0", "0", "W", "0", "0", "N", "90", "0", "W") << "10002 km"
            << "270.0 Grad";
        QTest::newRow("Berlin to Munich")
            << Points("52", "31", "N", "13", "24", "E", "48", "8", "N", "11", "35", "E")
            << "503.9 Km"
            << "195.5 Grad";
        QTest::newRow("due south across the equator")
            << Points("0", "0", "N", "0", "0", "W", "10", "0", "S", "0", "0", "W") << "1111 km"
            << "180.0 Grad";
        QTest::newRow("due north on one meridian")
            << Points("10", "0", "N", "0", "0", "W", "20", "0", "N", "0", "0", "W") << "1111 km"
            << "360.0 Grad";
        QTest::newRow("due south on one meridian")
            << Points("20", "0", "N", "0", "0", "W", "10", "0", "N", "0", "0", "W") << "1111 km"
            << "180.0 Grad";
        QTest::newRow("due north five minutes apart, where rounding passes the tolerance")
            << Points("45", "25", "N", "7", "0", "E", "45", "30", "N", "7", "0", "E") << "9.261 Km"
            << "360.0 Grad";
        QTest::newRow("from the north pole to Munich names its meridian")
            << Points("90", "0", "N", "0", "0", "W", "48", "8", "N", "13", "24", "E") << "4653 km"
            << "13.4te LngnGrd E";
        QTest::newRow("from the north pole to 30 degrees west")
            << Points("90", "0", "N", "0", "0", "W", "0", "0", "N", "30", "0", "W") << "10002 km"
            << "30.0te LngnGrd W";
        QTest::newRow("from the pole to 180 degrees east reads west")
            << Points("90", "0", "N", "0", "0", "W", "10", "0", "N", "180", "0", "E") << "8891 km"
            << "180.0te LngnGrd W";
        QTest::newRow("from the pole to 0 degrees east shows no minus sign")
            << Points("90", "0", "N", "0", "0", "W", "10", "0", "N", "0", "0", "E") << "8891 km"
            << "0.0te LngnGrd W";
        QTest::newRow("antipodes on the equator")
            << Points("0", "0", "N", "0", "0", "W", "0", "0", "S", "180", "0", "E") << "20004 km"
            << "egal";
        QTest::newRow("pole to pole")
            << Points("90", "0", "N", "0", "0", "W", "90", "0", "S", "0", "0", "W") << "20004 km"
            << "egal";
        QTest::newRow("under 10 km: three decimals")
            << Points("0", "0", "N", "0", "0", "W", "0", "5", "N", "0", "0", "W") << "9.261 Km"
            << "360.0 Grad";
        QTest::newRow("under 100 km: two decimals")
            << Points("0", "0", "N", "0", "0", "W", "0", "50", "N", "0", "0", "W") << "92.61 Km"
            << "360.0 Grad";
        QTest::newRow("under 1000 km: one decimal")
            << Points("0", "0", "N", "0", "0", "W", "8", "30", "N", "0", "0", "W") << "944.6 Km"
            << "360.0 Grad";
        QTest::newRow("from 1000 km: no decimals, lower-case km")
            << Points("0", "0", "N", "0", "0", "W", "85", "0", "N", "0", "0", "W") << "9446 km"
            << "360.0 Grad";
        QTest::newRow("lower-case s and e count as north and west")
            << Points("10", "0", "s", "0", "0", "W", "0", "0", "N", "10", "0", "e") << "1568 km"
            << "225.4 Grad";
        QTest::newRow("upper-case S and E count as south and east")
            << Points("10", "0", "S", "0", "0", "W", "0", "0", "N", "10", "0", "E") << "1568 km"
            << "45.4 Grad";
        QTest::newRow("a longitude of exactly 180 degrees passes the guard")
            << Points("0", "0", "N", "180", "0", "W", "0", "0", "N", "90", "0", "W") << "10002 km"
            << "90.0 Grad";
    }
    void recalculateWritesTheResults() {
        QFETCH(BoxTexts, boxes);
        QFETCH(QString, distance);
        QFETCH(QString, course);
        MainWindow window;
        QSignalSpy beeps(&window, &MainWindow::Beeped);
        SetBoxes(window, boxes);
        window.Logic().Recalculate();
        QCOMPARE(window.Label(17)->text(), distance);
        QCOMPARE(window.Label(20)->text(), course);
        QCOMPARE(beeps.count(), 0);
    }

    void theGuardZeroesTheGroupBeepsAndWritesNoLabel_data() {
        QTest::addColumn<BoxTexts>("boxes");
        QTest::addColumn<QList<int>>("zeroed");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("start latitude 90 degrees 30 minutes")
            << Points("90", "30", "N", "5", "5", "W", "1", "1", "N", "1", "1", "W")
            << QList<int>{1, 2, 3} << QList<int>{4, 5, 7, 8, 10, 11};
        QTest::newRow("destination latitude 90 degrees 0 minutes 1 second, south") << [] {
            BoxTexts b = Points("5", "5", "N", "5", "5", "W", "90", "0", "S", "1", "1", "W");
            b[8] = "1";
            return b;
        }() << QList<int>{7, 8, 9} << QList<int>{1, 2, 4, 5, 10, 11};
        QTest::newRow("start longitude 180 degrees 1 minute, the latitudes read first")
            << Points("5", "5", "N", "180", "1", "E", "1", "1", "N", "1", "1", "W")
            << QList<int>{4, 5, 6} << QList<int>{1, 2, 7, 8, 10, 11};
        QTest::newRow("destination longitude 179 degrees 60 minutes")
            << Points("5", "5", "N", "5", "5", "W", "1", "1", "N", "179", "61", "E")
            << QList<int>{10, 11, 12} << QList<int>{1, 2, 4, 5, 7, 8};
    }
    void theGuardZeroesTheGroupBeepsAndWritesNoLabel() {
        QFETCH(BoxTexts, boxes);
        QFETCH(QList<int>, zeroed);
        QFETCH(QList<int>, kept);
        MainWindow window;
        QSignalSpy beeps(&window, &MainWindow::Beeped);
        window.Label(17)->setText("earlier distance");
        window.Label(20)->setText("earlier course");
        SetBoxes(window, boxes);
        window.Logic().Recalculate();
        QCOMPARE(beeps.count(), 1);
        for (int n : zeroed) QCOMPARE(window.Box(n)->text(), QString("0"));
        for (int n : kept) QCOMPARE(window.Box(n)->text(), boxes[n - 1]);
        QCOMPARE(window.Label(17)->text(), QString("earlier distance"));
        QCOMPARE(window.Label(20)->text(), QString("earlier course"));
    }

    void aGermanLocaleShowsADecimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow window;
        SetBoxes(window, Points("52", "31", "N", "13", "24", "E", "48", "8", "N", "11", "35", "E"));
        window.Logic().Recalculate();
        QCOMPARE(window.Label(17)->text(), QString("503,9 Km"));
        QCOMPARE(window.Label(20)->text(), QString("195,5 Grad"));
        SetBoxes(window, kDefaults);
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
