// The window as a desktop program: its icon, Qt's own texts in German, what a screen reader hears,
// and its size on a display of higher density (this test also runs with QT_SCALE_FACTOR=2).
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <memory>

#include "form/layout.h"
#include "qt/main_window.h"
#include "qt/translations.h"

using qt::MainWindow;

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
}

// A menu entry as the user reads it: without the access-key marker and the shortcut.
QString Readable(const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

double ScaleFactor() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(qt::InstallGermanQtTexts(*qApp)); }

    void theWindowCarriesTheIconUpToTheTaskSwitchersSize() {
        MainWindow window;
        const QIcon icon = window.windowIcon();
        const QList<int> sizes{16, 32, 48, 64, 128};
        QCOMPARE(icon.availableSizes().size(), sizes.size());
        for (int size : sizes) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QString file = QStringLiteral(FERNBOGEN_ICON_DIR "/fernbogen-%1.png").arg(size);
            const QImage drawn = QImage(file).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!drawn.isNull(), qPrintable(file));
            QCOMPARE(icon.pixmap(QSize(size, size), 1.0)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32),
                     drawn);
        }
    }

    void theTitleBarIconHas16ColoursAndATransparentSurround() {
        const QImage icon = QImage(QStringLiteral(":/icons/fernbogen-32.png"))
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) colours.insert(icon.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        // Dark grey dial, black rim; the needle blue towards the upper right, white to the lower
        // left.
        QCOMPARE(icon.pixel(16, 22), qRgb(128, 128, 128));
        QCOMPARE(icon.pixel(16, 31), qRgb(0, 0, 0));
        QCOMPARE(icon.pixel(19, 12), qRgb(0, 0, 255));
        QCOMPARE(icon.pixel(12, 19), qRgb(255, 255, 255));
    }

    void aBoxsContextMenuIsGermanWhileNumbersKeepTheLocale() {
        MainWindow window;
        std::unique_ptr<QMenu> menu(window.Box(4)->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) entries << Readable(action);
        for (const char* expected :
             {"Rückgängig", "Ausschneiden", "Kopieren", "Einfügen", "Löschen", "Alles auswählen"})
            QVERIFY2(entries.contains(QString::fromUtf8(expected)),
                     qPrintable(entries.join(QStringLiteral(", "))));
        // The test runs in the C locale: German menus, yet the point stays the separator.
        QCOMPARE(window.DecimalSeparator(), std::string("."));
    }

    void everyBoxAndResultIsNamed_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("start longitude degrees") << 4 << "von Länge Grad";
        QTest::newRow("start longitude minutes") << 5 << "von Länge Minuten";
        QTest::newRow("start longitude seconds") << 6 << "von Länge Sekunden";
        QTest::newRow("start longitude hemisphere") << 14 << "von Länge Halbkugel";
        QTest::newRow("start latitude degrees") << 1 << "von Breite Grad";
        QTest::newRow("start latitude minutes") << 2 << "von Breite Minuten";
        QTest::newRow("start latitude seconds") << 3 << "von Breite Sekunden";
        QTest::newRow("start latitude hemisphere") << 13 << "von Breite Halbkugel";
        QTest::newRow("destination longitude degrees") << 10 << "nach Länge Grad";
        QTest::newRow("destination longitude minutes") << 11 << "nach Länge Minuten";
        QTest::newRow("destination longitude seconds") << 12 << "nach Länge Sekunden";
        QTest::newRow("destination longitude hemisphere") << 16 << "nach Länge Halbkugel";
        QTest::newRow("destination latitude degrees") << 7 << "nach Breite Grad";
        QTest::newRow("destination latitude minutes") << 8 << "nach Breite Minuten";
        QTest::newRow("destination latitude seconds") << 9 << "nach Breite Sekunden";
        QTest::newRow("destination latitude hemisphere") << 15 << "nach Breite Halbkugel";
    }

    void everyBoxAndResultIsNamed() {
        QFETCH(int, box);
        QFETCH(QString, name);
        MainWindow window;
        QCOMPARE(AccessibleName(window.Box(box)), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(window.Box(box))->role(),
                 QAccessible::EditableText);
    }

    void theResultsAreNamedAndTheHeadingsReadTheirCaptions() {
        MainWindow window;
        QCOMPARE(AccessibleName(window.Label(form::kDistanceLabel)), QString("Entfernung"));
        QCOMPARE(AccessibleName(window.Label(form::kCourseLabel)), QString("Richtung"));
        QCOMPARE(AccessibleName(window.Label(16)), QString("Länge"));
    }

    void aScreenReaderReadsTheResultsFigures() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(window.Box(4), "13");
        QTest::keyClick(window.Box(4), Qt::Key_Return);
        for (int result : {form::kDistanceLabel, form::kCourseLabel}) {
            QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(window.Label(result));
            QVERIFY(!window.Label(result)->text().isEmpty());
            QCOMPARE(accessible->text(QAccessible::Description), window.Label(result)->text());
        }
    }

    void tabbingThroughTheBoxesNamesEachInTurn() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList heard;
        for (int step = 0; step <= form::kBoxCount; ++step) {
            heard << AccessibleName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(heard,
                 (QStringList{"von Länge Grad", "von Länge Minuten", "von Länge Sekunden",
                              "von Länge Halbkugel", "von Breite Grad", "von Breite Minuten",
                              "von Breite Sekunden", "von Breite Halbkugel", "nach Länge Grad",
                              "nach Länge Minuten", "nach Länge Sekunden", "nach Länge Halbkugel",
                              "nach Breite Grad", "nach Breite Minuten", "nach Breite Sekunden",
                              "nach Breite Halbkugel", "von Länge Grad"}));
    }

    // The client area keeps 503 by 175 logical pixels (7545 by 2625 twips); the scale factor
    // multiplies the device pixels, and the lines stay solid, not smeared.
    void theWindowScalesWithTheDisplay() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double scale = ScaleFactor();
        QCOMPARE(window.size(), QSize(503, 175));
        QCOMPARE(window.devicePixelRatio(), scale);
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.size(), QSize(qRound(503 * scale), qRound(175 * scale)));
        // Line3, Line1 and Line2 cross x = 100 and Line4 and Line5 y = 20, each 3 pixels wide:
        // 3 * scale device pixels of line colour each.
        const QRgb line = qRgb(0, 0, 0xC0);
        int rows = 0, columns = 0;
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixel(qRound(100 * scale), y) == line) ++rows;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, qRound(20 * scale)) == line) ++columns;
        QCOMPARE(rows, 3 * qRound(3 * scale));
        QCOMPARE(columns, 2 * qRound(3 * scale));
        // Line4 begins at y = 8 and Line1 at x = 2, from their first pixel on.
        const auto pixel = [&](int x, int y) {
            return shot.pixel(qRound(x * scale), qRound(y * scale));
        };
        QCOMPARE(pixel(212, 8), line);
        QVERIFY(shot.pixel(qRound(212 * scale), qRound(8 * scale) - 1) != line);
        QCOMPARE(pixel(2, 73), line);
        QVERIFY(shot.pixel(qRound(2 * scale) - 1, qRound(73 * scale)) != line);
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
