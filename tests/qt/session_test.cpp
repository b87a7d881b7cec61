// Replays every user session through the real Qt widgets: mouse clicks, key presses, Tab, the
// clipboard and the boxes' paste action.
#include <QLocale>
#include <QTemporaryFile>
#include <QTest>
#include <stdexcept>

#include "qt/main_window.h"
#include "sessions/session.h"
#include "user_actions.h"

Q_DECLARE_METATYPE(const sessions::Session*)

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

QTEST_MAIN(SessionTest)
#include "session_test.moc"
