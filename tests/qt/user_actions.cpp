#include "user_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <cmath>
#include <map>

#include "expected_results/expected_results.h"

namespace qt_test {

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

QString PressKey(const std::string& name) {
    static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {"Enter", {Qt::Key_Return, {}}},        {"Escape", {Qt::Key_Escape, {}}},
        {"Backspace", {Qt::Key_Backspace, {}}}, {"Delete", {Qt::Key_Delete, {}}},
        {"Left", {Qt::Key_Left, {}}},           {"Right", {Qt::Key_Right, {}}},
        {"Home", {Qt::Key_Home, {}}},           {"End", {Qt::Key_End, {}}},
    };
    if (const auto it = keys.find(name); it != keys.end()) {
        QTest::keyClick(Focused(), it->second.first, it->second.second);
        return {};
    }
    if (name.size() == 5 && name.rfind("Ctrl", 0) == 0 && name[4] >= 'A' && name[4] <= 'Z') {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(Qt::Key_A + (name[4] - 'A')),
                        Qt::ControlModifier);
        return {};
    }
    return QString::fromStdString("no such key: " + name);
}

void Click(QWidget* control, const std::string& edge) {
    const int y = control->height() / 2;
    QPoint at = control->rect().center();
    if (edge == sessions::kLeftEdge) at = QPoint(1, y);
    if (edge == sessions::kRightEdge) at = QPoint(control->width() - 2, y);
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
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
            if (step.control > 0)
                Click(window.Box(step.control), step.text);
            else
                Click(window.Label(-step.control), step.text);
            break;
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
            return PressKey(step.text);
        case Action::Paste: {
            auto* box = qobject_cast<QLineEdit*>(Focused());
            if (!box) return "no box has the focus to paste into";
            QGuiApplication::clipboard()->setText(text);
            box->selectAll();
            box->paste();
            break;
        }
        case Action::ExpectText:
        case Action::ExpectFocus:
        case Action::ExpectSelection:
        case Action::ExpectBeeps:
            break;
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
