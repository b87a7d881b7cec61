// Replays every user session through the real Qt widgets: mouse clicks, key presses, Tab, the
// clipboard and the boxes' paste action.
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "qt/main_window.h"
#include "sessions/session.h"
#include "user_actions.h"

using qt::MainWindow;
using sessions::Action;
using sessions::Step;

Q_DECLARE_METATYPE(const sessions::Session*)

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

// Runs one step; returns what an expectation found wrong, or nothing.
QString Run(MainWindow& window, const Step& step, const QSignalSpy& beeps) {
    const QString text = QString::fromStdString(step.text);
    switch (step.action) {
        case Action::ExpectText: {
            const QString actual = step.control > 0 ? window.Box(step.control)->text()
                                                    : window.Label(-step.control)->text();
            if (actual != text) return QString("found \"%1\"").arg(actual);
            break;
        }
        case Action::ExpectFocus:
            if (Focused() != window.Box(step.control))
                return QString("focus is in %1")
                    .arg(Focused() ? Focused()->objectName() : "nothing");
            break;
        case Action::ExpectSelection: {
            const auto* box = qobject_cast<QLineEdit*>(Focused());
            if (!box) return "no box has the focus";
            const int caret = box->cursorPosition();
            const QString actual =
                box->hasSelectedText()
                    ? QString("%1-%2").arg(box->selectionStart()).arg(box->selectionEnd())
                    : QString("%1-%1").arg(caret);
            if (actual != text) return QString("the selection is %1").arg(actual);
            break;
        }
        case Action::ExpectBeeps:
            if (beeps.count() != step.count) return QString("%1 beeps").arg(beeps.count());
            break;
        default:
            return qt_test::Perform(window, step);
    }
    return {};
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void session_data() {
        QTest::addColumn<const sessions::Session*>("session");
        for (const sessions::Session& s : sessions::AllSessions()) QTest::newRow(s.name) << &s;
    }
    void session() {
        QFETCH(const sessions::Session*, session);
        const std::vector<Step> steps = sessions::Parse(session->script);
        MainWindow window;
        QSignalSpy beeps(&window, &MainWindow::Beeped);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const QString problem = Run(window, steps[i], beeps);
            if (QTest::currentTestFailed()) return;
            QVERIFY2(
                problem.isEmpty(),
                qPrintable(
                    QString("step %1 of \"%2\": %3").arg(i + 1).arg(session->script, problem)));
        }
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
