#include "user_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <iterator>

#include "expected_results/expected_results.h"

namespace qt_test {

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

void PressKey(const sessions::Step& step) {
    if (step.key == sessions::Key::Ctrl)
        return QTest::keyClick(Focused(), static_cast<Qt::Key>(Qt::Key_A + (step.letter - 'A')),
                               Qt::ControlModifier);
    // In the order of sessions::Key.
    constexpr Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,
                                 Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Home,      Qt::Key_End};
    static_assert(std::size(kKeys) == static_cast<std::size_t>(sessions::Key::Ctrl));
    QTest::keyClick(Focused(), kKeys[static_cast<int>(step.key)]);
}

// Brings a window to the front as the window system does when its user turns to it, unless it is
// there already.
QString Activate(QWidget* window) {
    if (window->isActiveWindow()) return {};
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return "the window \"" + window->windowTitle() + "\" did not become active";
    return {};
}

// Another program's window, which comes to the front and takes the activation. It has no parent,
// or Qt would count the window as active still, and goes with the window it stands for.
QString GoAway(QWidget& window) {
    auto* other = new QWidget;
    QObject::connect(&window, &QObject::destroyed, other, [other] { delete other; });
    other->setWindowTitle(QStringLiteral("another program"));
    return Activate(other);
}

// A click into a window that is not active brings it to the front first.
QString Click(QWidget* control, const std::string& edge) {
    if (QString problem = Activate(control->window()); !problem.isEmpty()) return problem;
    const int y = control->height() / 2;
    QPoint at = control->rect().center();
    if (edge == sessions::kLeftEdge) at = QPoint(1, y);
    if (edge == sessions::kRightEdge) at = QPoint(control->width() - 2, y);
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
    return {};
}

// Each character with the key that types it; one that has no key of its own on the keyboard
// arrives as its text alone.
void Type(const QString& text) {
    for (const uint code : text.toUcs4()) {
        if (code < 128) {
            QTest::keyClick(Focused(), static_cast<char>(code));
        } else {
            const QString character =
                QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, character, {});
        }
    }
}

}  // namespace

QString Perform(qt::MainWindow& window, const sessions::Step& step) {
    using sessions::Action;
    // Between a user's actions the window handles what is pending and paints; where the text
    // lies, and so where a click puts the caret, is settled by painting.
    QCoreApplication::processEvents();
    const QString text = QString::fromStdString(step.text);
    switch (step.action) {
        case Action::Click:
            return Click(step.control > 0 ? static_cast<QWidget*>(window.Box(step.control))
                                          : window.Label(-step.control),
                         step.text);
        case Action::RightClick:
            return "a right click is played in the running Windows program only";
        case Action::Tab:
            QTest::keyClick(Focused(), Qt::Key_Tab);
            break;
        case Action::Backtab:
            QTest::keyClick(Focused(), Qt::Key_Tab, Qt::ShiftModifier);
            break;
        case Action::Type:
            Type(text);
            break;
        case Action::Key:
            PressKey(step);
            break;
        case Action::Away:
            return GoAway(window);
        case Action::Paste: {
            auto* box = qobject_cast<QLineEdit*>(Focused());
            if (!box) return "no box has the focus to paste into";
            QGuiApplication::clipboard()->setText(text);
            box->selectAll();
            box->paste();
            break;
        }
        default:  // the expectations, which are not played
            break;
    }
    return {};
}

QString Play(qt::MainWindow& window, const std::string& script) {
    const QSignalSpy beeps(&window, &qt::MainWindow::Beeped);
    if (QString problem = Activate(&window); !problem.isEmpty()) return problem;
    const std::vector<sessions::Step> steps = sessions::Parse(script);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const QString problem =
            sessions::IsExpectation(steps[i])
                ? QString::fromStdString(
                      sessions::Missed(steps[i], StateOf(window, static_cast<int>(beeps.count()))))
                : Perform(window, steps[i]);
        if (!problem.isEmpty())
            return QString("step %1 of \"%2\": %3")
                .arg(i + 1)
                .arg(QString::fromStdString(script), problem);
    }
    return {};
}

sessions::WindowState StateOf(const qt::MainWindow& window, int beeps) {
    sessions::WindowState state;
    for (int n = 1; n <= form::kBoxCount; ++n)
        state.boxes[n - 1] = window.Box(n)->text().toStdString();
    state.distance = window.Label(form::kDistanceLabel)->text().toStdString();
    state.course = window.Label(form::kCourseLabel)->text().toStdString();
    if (const auto* box = dynamic_cast<const qt::EditBox*>(Focused())) {
        state.focus = box->Box();
        const int caret = box->cursorPosition();
        state.selectionStart = box->hasSelectedText() ? box->selectionStart() : caret;
        state.selectionEnd = box->hasSelectedText() ? box->selectionEnd() : caret;
    }
    state.beeps = beeps;
    return state;
}

std::string WrongResults(const qt::MainWindow& window) {
    expected_results::BoxValues values;
    for (int n = 1; n <= form::kNumericBoxCount; ++n) {
        bool ok = false;
        const double value = QLocale().toDouble(window.Box(n)->text(), &ok);
        values.numbers[n - 1] = ok && std::isfinite(value) ? value : 0;
    }
    for (int i = 0; i < 4; ++i)
        values.letters[i] = window.Box(form::kNumericBoxCount + 1 + i)->text().toStdString();
    const expected_results::ExpectedResults expected =
        expected_results::Recompute(values, QLocale().decimalPoint().toStdString());
    const std::string distance = window.Label(form::kDistanceLabel)->text().toStdString();
    const std::string course = window.Label(form::kCourseLabel)->text().toStdString();
    const std::string shown = "results \"" + distance + "\" and \"" + course + "\"";
    if (expected.guardTrips)
        return shown + ", yet coordinate " + std::to_string(expected.trippedGroup) +
               " is out of range";
    if (!expected.Accepts(distance, course))
        return shown + ", expected \"" + expected.distance + "\" and \"" + expected.course + "\"";
    return {};
}

}  // namespace qt_test
