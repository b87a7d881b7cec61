// Replays every user session through the real Qt widgets: mouse clicks, key presses, Tab, the
// clipboard and the boxes' paste action.
#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <stdexcept>

#include "qt/main_window.h"
#include "sessions/session.h"
#include "user_actions.h"

using qt::MainWindow;
using sessions::Step;

Q_DECLARE_METATYPE(const sessions::Session*)

namespace {

// Runs one step; returns what an expectation found wrong, or nothing.
QString Run(MainWindow& window, const Step& step, const QSignalSpy& beeps) {
    if (!sessions::IsExpectation(step)) return qt_test::Perform(window, step);
    const int count = static_cast<int>(beeps.count());
    return QString::fromStdString(sessions::Missed(step, qt_test::StateOf(window, count)));
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

QTEST_MAIN(SessionTest)
#include "session_test.moc"
