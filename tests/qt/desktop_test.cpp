// The window as a desktop program: its icon, Qt's own texts in German, what a screen reader hears,
// and where and how large it draws its controls on a display of higher density (this test also
// runs with QT_SCALE_FACTOR=2).
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

// The smallest rectangle around the pixels within area that pass the test.
template <typename Test>
QRect BoundsOf(const QImage& image, const QRect& area, Test test) {
    QRect bounds;
    const QRect within = area & image.rect();
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (test(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
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

    // What is drawn, in device pixels at this scale: each peach box and result field fills the
    // place the layout gives it inside a frame of at most 2 pixels, each heading's underline
    // begins at its place's left edge, and each unit sign's ink lies within its place.
    void everyControlIsDrawnWhereTheLayoutPutsIt() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double scale = ScaleFactor();
        const QImage shot = window.grab().toImage();
        const auto device = [scale](int twips) {
            return qRound(form::TwipsToPixels(twips) * scale);
        };
        const auto place = [&](int left, int top, int width, int height) {
            return QRect(device(left), device(top), device(width), device(height));
        };
        const int frame = qRound(2 * scale), margin = qRound(4 * scale);
        const auto isPeach = [](QRgb pixel) { return pixel == qRgb(0xFF, 0xE0, 0xC0); };
        const auto isHeading = [](QRgb pixel) { return pixel == qRgb(0xFF, 0xC0, 0x80); };
        const auto isInk = [](QRgb pixel) {
            return qMax(qMax(qRed(pixel), qGreen(pixel)), qBlue(pixel)) < 80;
        };
        const auto fills = [&](const QRect& r) {
            const QRect drawn =
                BoundsOf(shot, r.adjusted(-margin, -margin, margin, margin), isPeach);
            return r.contains(drawn) && drawn.contains(r.adjusted(frame, frame, -frame, -frame));
        };

        QStringList misplaced;
        for (const form::BoxLayout& box : form::kBoxesInTabOrder) {
            if (!fills(place(box.left, box.top, box.width, form::kBoxHeight)))
                misplaced << QStringLiteral("Text%1").arg(box.box);
        }
        for (const form::LabelLayout& label : form::kLabels) {
            const QRect r = place(label.left, label.top, label.width, label.height);
            bool there = false;
            if (label.kind == form::LabelKind::Result) {
                there = fills(r);
            } else if (label.kind == form::LabelKind::Heading) {
                // A heading fits its width to its caption: the area reaches further right.
                const QRect ink =
                    BoundsOf(shot, r.adjusted(-margin, -margin, r.width(), margin), isHeading);
                there = qAbs(ink.left() - r.left()) <= scale && ink.top() >= r.top() &&
                        ink.bottom() <= r.bottom();
            } else {
                const QRect ink =
                    BoundsOf(shot, r.adjusted(-margin, -margin, margin, margin), isInk);
                there = !ink.isEmpty() && r.contains(ink);
            }
            if (!there) misplaced << QStringLiteral("Label%1").arg(label.label);
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QStringLiteral(", "))));
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
