// Replays every user session through the real Qt widgets: mouse clicks, key presses, Tab, the
// clipboard and the boxes' paste action.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "qt/main_window.h"
#include "sessions/session.h"

using qt::MainWindow;
using sessions::Action;
using sessions::Step;

Q_DECLARE_METATYPE(const sessions::Session*)

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

void PressKey(const std::string& name) {
    static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {"Enter", {Qt::Key_Return, {}}},
        {"Escape", {Qt::Key_Escape, {}}},
        {"Backspace", {Qt::Key_Backspace, {}}},
        {"Delete", {Qt::Key_Delete, {}}},
        {"Left", {Qt::Key_Left, {}}},
        {"Right", {Qt::Key_Right, {}}},
        {"Home", {Qt::Key_Home, {}}},
        {"End", {Qt::Key_End, {}}},
        {"CtrlV", {Qt::Key_V, Qt::ControlModifier}},
    };
    const auto it = keys.find(name);
    QVERIFY2(it != keys.end(), ("no such key: " + name).c_str());
    QTest::keyClick(Focused(), it->second.first, it->second.second);
}

// Runs one step; returns what an expectation found wrong, or nothing.
QString Run(MainWindow& window, const Step& step, const QSignalSpy& beeps) {
    const QString text = QString::fromStdString(step.text);
    switch (step.action) {
        case Action::Click: {
            QWidget* box = window.Box(step.control);
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            break;
        }
        case Action::Tab:
            QTest::keyClick(Focused(), Qt::Key_Tab);
            break;
        case Action::Backtab:
            QTest::keyClick(Focused(), Qt::Key_Tab, Qt::ShiftModifier);
            break;
        case Action::Type:
            for (const char c : step.text) QTest::keyClick(Focused(), c);
            break;
        case Action::Key:
            PressKey(step.text);
            break;
        case Action::Paste: {
            auto* box = qobject_cast<QLineEdit*>(Focused());
            if (!box) return "no box has the focus to paste into";
            QGuiApplication::clipboard()->setText(text);
            box->selectAll();
            box->paste();
            break;
        }
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
        case Action::ExpectBeeps:
            if (beeps.count() != step.count) return QString("%1 beeps").arg(beeps.count());
            break;
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
