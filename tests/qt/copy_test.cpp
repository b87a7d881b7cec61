// Copying a result: a right click on the distance or the course opens the field's menu, whose
// "Kopieren" puts the text as shown on the clipboard, and on X11 into the primary selection as
// well. The focus, the boxes and the results stay as they were. Runs offscreen, and once more on
// a virtual X display of its own for the primary selection.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <array>

#include "form/layout.h"
#include "qt/main_window.h"
#include "sessions/worked_results.h"
#include "user_actions.h"

using qt::MainWindow;

Q_DECLARE_METATYPE(const sessions::CopiedResult*)

class CopyTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
        const auto state = [&] {
            return QString::fromStdString(sessions::LineOf(qt_test::StateOf(window, 0)));
        };
        const QString stateBefore = state();

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
        QCOMPARE(state(), stateBefore);
    }
};

QTEST_MAIN(CopyTest)
#include "copy_test.moc"
