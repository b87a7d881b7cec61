// The window as a desktop program: its icon, Qt's own texts in German, what a screen reader hears,
// where and how large it draws its controls on a display of higher density (this test also runs
// with QT_SCALE_FACTOR=2), that its figures read in a dark desktop scheme, what copying a result
// puts on the clipboard, and, on a virtual X display of its own (a third run), into the primary
// selection, and that the guard's beep reaches the display server as its bell.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "form/layout.h"
#include "qt/main_window.h"
#include "qt/translations.h"
#include "sessions/painted.h"
#include "sessions/worked_results.h"
#include "user_actions.h"

// After Qt's headers: Xlib's macros would break them.
#include <X11/XKBlib.h>
#include <xcb/xcb.h>

using qt::MainWindow;

Q_DECLARE_METATYPE(const sessions::CopiedResult*)

namespace {

double ScaleFactor() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

// Logical pixels in device pixels at this scale.
int Device(double pixels) {
    return qRound(pixels * ScaleFactor());
}

// The window as painted, in device pixels at this scale.
sessions::Painted PaintedOf(MainWindow& window) {
    // Rows of 32-bit pixels need no padding.
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const QRgb*>(shot.constBits());
    return {shot.width(), shot.height(), {first, first + shot.width() * shot.height()}};
}

// What a screen reader reads of the notice that carries the sentence: its
// name, or nothing while none is shown.
QString Notified(MainWindow& window) {
    qt::Notice* notice = window.Announcements()->Shown();
    if (notice == nullptr) return {};
    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(notice);
    if (notification->role() != QAccessible::Notification) return QStringLiteral("<no role>");
    return notification->text(QAccessible::Name);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(qt::InstallGermanQtTexts(*qApp)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The icon files up to the task switcher's size; in the title bar's 32 pixels a dark grey dial
    // with a black rim, the needle blue towards the upper right and white to the lower left, in a
    // transparent surround.
    void theWindowCarriesTheIconUpToTheTaskSwitchersSize() {
        const QIcon icon = MainWindow().windowIcon();
        const auto image = [&icon](int size) {
            return icon.pixmap(QSize(size, size), 1.0)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QList<int> sizes{16, 32, 48, 64, 128};
        QCOMPARE(icon.availableSizes().size(), sizes.size());
        for (int size : sizes) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QString file = QStringLiteral(FERNBOGEN_ICON_DIR "/fernbogen-%1.png").arg(size);
            const QImage drawn = QImage(file).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!drawn.isNull(), qPrintable(file));
            QCOMPARE(image(size), drawn);
        }
        const QImage titleBar = image(32);
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(titleBar.pixel(corner)), 0);
        QCOMPARE(titleBar.pixel(16, 22), qRgb(128, 128, 128));
        QCOMPARE(titleBar.pixel(16, 31), qRgb(0, 0, 0));
        QCOMPARE(titleBar.pixel(19, 12), qRgb(0, 0, 255));
        QCOMPARE(titleBar.pixel(12, 19), qRgb(255, 255, 255));
    }

    void aBoxsContextMenuIsGermanWhileNumbersKeepTheLocale() {
        MainWindow window;
        std::unique_ptr<QMenu> menu(window.Box(4)->createStandardContextMenu());
        QStringList entries;
        // Each entry as the user reads it: without the access-key marker and the shortcut.
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) entries << action->text().section('\t', 0, 0).remove('&');
        for (const char* expected :
             {"Rückgängig", "Ausschneiden", "Kopieren", "Einfügen", "Löschen", "Alles auswählen"})
            QVERIFY2(entries.contains(QString::fromUtf8(expected)),
                     qPrintable(entries.join(QStringLiteral(", "))));
        // The test runs in the C locale: German menus, yet the point stays the separator.
        QCOMPARE(window.DecimalSeparator(), std::string("."));
    }

    // What a screen reader is given to speak, without the focus moving, once the keys' events
    // are done: the results after Enter, and nothing when a digit typed before they were told has
    // cleared them. A Tab, a toggle, the guard and typing after the results were told are checked
    // over the AT-SPI bus (tests/accessibility).
    void resultsAreAnnouncedUnlessTypingClearedThem() {
        for (const bool typedOn : {false, true}) {
            MainWindow window;
            QVERIFY_PLAYS(window, typedOn ? "type 13; key Enter; type 4" : "type 13; key Enter");
            // The sentence is told on the event loop's next turn, or withdrawn by typing before.
            QCoreApplication::processEvents();
            QTRY_COMPARE(Notified(window),
                         typedOn ? QString() : QString("Entfernung 1445 km, Richtung 90.0 Grad"));
        }
    }

    // What is drawn, in device pixels at this scale: each peach box and result field fills the
    // place the layout gives it inside a frame of at most 2 pixels, each heading's underline
    // begins at its place's left edge, and each unit sign's ink lies within its place.
    void everyControlIsDrawnWhereTheLayoutPutsIt() {
        MainWindow window;
        QVERIFY_PLAYS(window, "");
        const std::string misplaced = sessions::Misplaced(
            PaintedOf(window), [](int twips) { return Device(form::TwipsToPixels(twips)); },
            Device(2), Device(1));
        QVERIFY2(misplaced.empty(), misplaced.c_str());
    }

    // Typed figures and a result read on their peach fields, at least 4.5:1 (WCAG 2) as drawn: in
    // a dark desktop scheme with near-white text, after a change to a light one and back.
    void theFiguresReadInADarkAndALightScheme() {
        const QPalette light = QApplication::palette();
        const QColor text(0xEE, 0xEE, 0xEE), grey(0x30, 0x30, 0x30);
        const QPalette dark(text, grey, grey, grey, grey, text, text, grey, grey);
        QApplication::setPalette(dark);
        MainWindow window;
        QVERIFY_PLAYS(window, "type 13; tab");
        QStringList seen;
        for (const QPalette& palette : {dark, light, dark}) {
            QApplication::setPalette(palette);
            const sessions::Painted painted = PaintedOf(window);
            for (const QWidget* field :
                 std::initializer_list<QWidget*>{window.Box(4), window.Label(17)}) {
                const QRect r = field->geometry().adjusted(3, 3, -3, -3);
                const sessions::Area area{Device(r.left()), Device(r.top()), Device(r.right() + 1),
                                          Device(r.bottom() + 1)};
                seen << QString::number(sessions::FigureContrast(painted, area), 'f', 2);
            }
        }
        QApplication::setPalette(light);
        qInfo("dark, light, dark again: Text4 and Label17 %s:1", qPrintable(seen.join(":1, ")));
        for (const QString& contrast : seen)
            QVERIFY2(contrast.toDouble() >= 4.5, qPrintable(seen.join(", ")));
    }

    // The client area keeps 503 by 175 logical pixels (7545 by 2625 twips); the scale factor
    // multiplies the device pixels, and the lines stay solid, not smeared.
    void theWindowScalesWithTheDisplay() {
        MainWindow window;
        QVERIFY_PLAYS(window, "");
        QCOMPARE(window.size(), QSize(503, 175));
        QCOMPARE(window.devicePixelRatio(), ScaleFactor());
        const sessions::Painted shot = PaintedOf(window);
        QCOMPARE(QSize(shot.width, shot.height), QSize(Device(503), Device(175)));
        const auto line = [&shot](long x, long y) { return shot.At(x, y) == 0x0000C0; };
        // Line3, Line1 and Line2 cross x = 100 and Line4 and Line5 y = 20, each 3 pixels wide:
        // 3 * scale device pixels of line colour each.
        int rows = 0, columns = 0;
        for (int y = 0; y < shot.height; ++y) rows += line(Device(100), y);
        for (int x = 0; x < shot.width; ++x) columns += line(x, Device(20));
        QCOMPARE(rows, 3 * Device(3));
        QCOMPARE(columns, 2 * Device(3));
        // Line4 begins at y = 8 and Line1 at x = 2, from their first pixel on.
        QVERIFY(line(Device(212), Device(8)) && !line(Device(212), Device(8) - 1));
        QVERIFY(line(Device(2), Device(73)) && !line(Device(2) - 1, Device(73)));
    }

    void kopierenPutsTheFieldsTextOnTheClipboard_data() {
        QTest::addColumn<const sessions::CopiedResult*>("row");
        for (const auto& row : sessions::AllCopiedResults()) QTest::newRow(row.name) << &row;
    }
    void kopierenPutsTheFieldsTextOnTheClipboard() {
        QFETCH(const sessions::CopiedResult*, row);
        QLocale::setDefault(row->decimalSeparator == ',' ? QLocale(QLocale::German) : QLocale::c());
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QString before = QStringLiteral("on the clipboard before");
        clipboard->setText(before);
        if (clipboard->supportsSelection()) clipboard->setText(before, QClipboard::Selection);
        // Qt's X11 window has a primary selection to fill; offscreen there is none.
        QCOMPARE(clipboard->supportsSelection(), QGuiApplication::platformName() == "xcb");

        MainWindow window;
        if (row->worked) {
            const auto texts = sessions::BoxTexts(sessions::WorkedResultNamed(row->worked).points);
            for (int n = 1; n <= form::kBoxCount; ++n)
                window.Box(n)->WriteText(QString::fromStdString(texts[n - 1]));
        }
        // Enter in the first box, where the window put the focus, shows the results and leaves
        // the box no longer fresh.
        QVERIFY_PLAYS(window, row->worked ? "key Enter" : "");
        const QString shown = QString::fromStdString(sessions::CopiedText(*row));
        QCOMPARE(window.Label(row->field)->text(), shown);
        const QString expected = shown.isEmpty() ? before : shown;
        // Neither a focus change nor a validation may follow: one would make the box fresh, the
        // other write the empty results.
        const bool fresh = window.Logic().FreshFocus(4);
        // The boxes' texts, the results and the focus, which the menu must leave as they are.
        const std::string stateBefore = sessions::LineOf(qt_test::StateOf(window, 0));

        QLabel* field = window.Label(row->field);
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, field->geometry().center());
        QTRY_VERIFY2(qobject_cast<QMenu*>(QApplication::activePopupWidget()),
                     "no menu opened on the right click");
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(menu->actions().size(), 1);
        QAction* entry = menu->actions().front();
        QCOMPARE(entry->text(), QString("Kopieren"));
        QCOMPARE(entry->isEnabled(), !shown.isEmpty());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        // A disabled entry leaves its menu open.
        if (QApplication::activePopupWidget() == menu) QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY2(!QApplication::activePopupWidget(), "the menu is still open");

        QCOMPARE(clipboard->text(), expected);
        if (clipboard->supportsSelection())
            QCOMPARE(clipboard->text(QClipboard::Selection), expected);
        QCOMPARE(field->hasSelectedText(), false);
        QCOMPARE(window.Logic().FreshFocus(4), fresh);
        QCOMPARE(sessions::LineOf(qt_test::StateOf(window, 0)), stateBefore);
    }

    void theGuardRingsTheDisplaysBellOnce() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("a bell is heard on X11 only");
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
        // A round trip on the window's own connection: the server has rung every bell it asked
        // for, and told this client of them before it answers XSync.
        xcb_connection_t* connection =
            qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        XSync(display, False);
        QCOMPARE(countBells(), 1);
        XCloseDisplay(display);
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
