// Fuzzes the whole window offscreen. The input decodes into a sequence of user actions (clicks,
// Tab and Shift+Tab, typed characters of every kind, Enter, Backspace, Delete, arrows, pastes of
// every kind, composed text, switching to another window and back) played through the real
// widgets. After every action the invariants below must hold; a broken one prints the actions so
// far and aborts, which libFuzzer reports.
//
// - No label, and no box the program has written or validated, contains "nan", "inf" or a
//   number that is not finite. A pasted text is the user's until the box is validated.
// - A box that has been validated (and not changed since) holds a numeric text not above its
//   limit, in the locale the window uses.
// - A letter box that received a character holds the letter its toggle gives.
// - An action that ends in a recalculation leaves either a tripped guard (a beep, and a group's
//   three boxes read "0") or both labels as Recompute works them out from the box texts.
// - An action that ends with a character in a numeric box leaves both labels empty; one that
//   notifies nothing (a paste, Delete, arrows, a move from a letter box) leaves them as they were.
#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "form/key_codes.h"
#include "form/layout.h"
#include "qt/edit_box.h"
#include "qt/main_window.h"
#include "sessions/generator.h"
#include "user_actions.h"

namespace {

using qt::MainWindow;

constexpr std::size_t kMaxActions = 200;
constexpr int kBoxes = form::kBoxCount;
constexpr int kNumeric = form::kNumericBoxCount;

// The texts a user might paste: those the random sessions paste, and worse.
const std::vector<std::string> kPastes = [] {
    std::vector<std::string> texts = sessions::OddPastes();
    for (const int n : {0, 5, 59, 60, 90, 91, 180, 181, -1, -99})
        texts.push_back(std::to_string(n));
    for (const char* text : {"", "9e9", "1e-9", "-inf", "1e308", "1.000", "12345678901234567890",
                             ",", "°", "\u202F", "1\u00A0000", "😀", "\t7", "\r", "\n", "\x7f"})
        texts.push_back(text);
    return texts;
}();

struct Key {
    Qt::Key key;
    const char* text;
};

// Keys a user can type, each with the text the platform sends with it.
const Key kKeys[] = {
    {Qt::Key_0, "0"},         {Qt::Key_1, "1"},          {Qt::Key_2, "2"},
    {Qt::Key_3, "3"},         {Qt::Key_4, "4"},          {Qt::Key_5, "5"},
    {Qt::Key_6, "6"},         {Qt::Key_7, "7"},          {Qt::Key_8, "8"},
    {Qt::Key_9, "9"},         {Qt::Key_A, "a"},          {Qt::Key_E, "E"},
    {Qt::Key_N, "n"},         {Qt::Key_S, "S"},          {Qt::Key_W, "w"},
    {Qt::Key_Space, " "},     {Qt::Key_Minus, "-"},      {Qt::Key_Plus, "+"},
    {Qt::Key_Comma, ","},     {Qt::Key_Period, "."},     {Qt::Key_Adiaeresis, "ä"},
    {Qt::Key_degree, "°"},    {Qt::Key_unknown, "٣"},    {Qt::Key_unknown, "５"},
    {Qt::Key_unknown, "😀"},   {Qt::Key_unknown, "12"},   {Qt::Key_unknown, "\x01"},
    {Qt::Key_unknown, "\r"},  {Qt::Key_Return, "\r"},    {Qt::Key_Enter, "\r"},
    {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, "\x7f"},
    {Qt::Key_Left, ""},       {Qt::Key_Right, ""},       {Qt::Key_Home, ""},
    {Qt::Key_End, ""},        {Qt::Key_Up, ""},          {Qt::Key_F2, ""},
    {Qt::Key_Insert, ""},
};

const QLocale kLocales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                            QLocale(QLocale::English, QLocale::UnitedStates),
                            QLocale(QLocale::French, QLocale::France)};

// A text for the log in quotes; a long one by its start and its length.
std::string Quoted(const std::string& text) {
    if (text.size() <= 40) return "\"" + text + "\"";
    return "\"" + text.substr(0, 40) + "...\" (" + std::to_string(text.size()) + " bytes)";
}

class Session {
  public:
    explicit Session(FuzzedDataProvider& input) : input_(input) {
        QObject::connect(&window_, &MainWindow::Beeped, [this] { ++beeps_; });
        window_.show();
        Activate(window_);
        clean_.fill(true);
        shown_ = qt_test::StateOf(window_, 0);
    }

    void Run() {
        while (input_.remaining_bytes() > 0 && log_.size() < kMaxActions) Act();
    }

  private:
    // What an action did, as far as the form's handlers are concerned.
    enum class Ending { Nothing, Cleared, Recalculated };

    void Act() {
        const int before = FocusedBox();
        codes_.clear();
        switch (input_.ConsumeIntegralInRange(0, 10)) {
            case 0: {
                const int box = input_.ConsumeIntegralInRange(1, kBoxes);
                qt::EditBox* target = window_.Box(box);
                const int x = input_.ConsumeIntegralInRange(0, target->width() - 1);
                const bool right = input_.ConsumeBool();
                Log("click " + std::string(right ? "right " : "") + "Text" + std::to_string(box));
                QTest::mouseClick(target, right ? Qt::RightButton : Qt::LeftButton, {},
                                  QPoint(x, target->height() / 2));
                break;
            }
            case 1:
                Log("tab");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                break;
            case 2:
                Log("backtab");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
                break;
            case 3:
            case 4:
                // A digit, the first ten keys, more often than any other key.
                Press(kKeys[input_.ConsumeIntegralInRange(0, 9)], {});
                break;
            case 5: {
                const Key& key = input_.PickValueInArray(kKeys);
                Qt::KeyboardModifiers modifiers;
                const int bits = input_.ConsumeIntegralInRange(0, 7);
                if (bits & 1) modifiers |= Qt::ShiftModifier;
                if (bits & 2) modifiers |= Qt::ControlModifier;
                if (bits & 4) modifiers |= Qt::AltModifier;
                Press(key, modifiers);
                break;
            }
            case 6: {
                // Ctrl with a letter or a bracket: the platform's control characters.
                const int key =
                    input_.ConsumeIntegralInRange(int(Qt::Key_A), int(Qt::Key_BracketRight));
                const std::string control =
                    QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1))).toStdString();
                Press({static_cast<Qt::Key>(key), control.c_str()}, Qt::ControlModifier);
                break;
            }
            case 7: {
                std::string text =
                    input_.ConsumeBool() ? Paste() : input_.ConsumeRandomLengthString(64);
                if (input_.ConsumeBool())
                    text = std::string(input_.ConsumeIntegralInRange(1, 5000), '9');
                Log("paste " + Quoted(text));
                QApplication::clipboard()->setText(QString::fromStdString(text));
                if (auto* box = FocusedEditBox()) box->paste();
                break;
            }
            case 8: {
                // Composed text, as from a dead key or an input method.
                const std::string text =
                    input_.ConsumeBool() ? Paste() : input_.ConsumeRandomLengthString(8);
                Log("compose " + Quoted(text));
                QInputMethodEvent event;
                event.setCommitString(QString::fromStdString(text));
                if (auto* box = FocusedEditBox()) {
                    QApplication::sendEvent(box, &event);
                    for (const QChar c : QString::fromStdString(text))
                        codes_.push_back(c.unicode());
                }
                break;
            }
            case 9: {
                // The same key pressed several times over, as a held key repeats.
                const Key& key = input_.PickValueInArray(kKeys);
                for (int times = input_.ConsumeIntegralInRange(2, 5); times > 0; --times)
                    Press(key, {});
                break;
            }
            case 10:
                // Another program takes the focus and gives it back: the box keeps it, and
                // nothing is validated or made fresh.
                Log("switch to another window and back");
                other_.show();
                Activate(other_);
                Activate(window_);
                other_.hide();
                break;
        }
        Check(before);
    }

    // Sends one key to the focused box, and notes the character notifications it must cause.
    void Press(const Key& key, Qt::KeyboardModifiers modifiers) {
        Log("key " + std::to_string(int(key.key)) + " \"" + key.text + "\" modifiers " +
            std::to_string(int(modifiers)));
        const QString text = QString::fromUtf8(key.text);
        QWidget* target = QApplication::focusWidget();
        if (!target) return;
        const int box = FocusedBox();
        QTest::sendKeyEvent(QTest::Click, target, key.key, text, modifiers);
        const std::optional<int> code = qt::KeyAsciiOf(key.key, modifiers, text);
        if (!code || box == 0) return;
        if (text.size() > 1 && !(modifiers & Qt::ControlModifier))
            for (const QChar c : text) codes_.push_back(c.unicode());
        else
            codes_.push_back(*code);
    }

    void Check(int before) {
        const sessions::WindowState shown = qt_test::StateOf(window_, beeps_);
        const auto& texts = shown.boxes;
        const int after = FocusedBox();

        // Replay the notifications to learn how the action ended.
        Ending ending = Ending::Nothing;
        bool validated = false;  // the box `before` was validated last and not changed since
        int toggles = 0;
        for (const int code : codes_) {
            if (form::IsNumericBox(before)) {
                validated = code == form::kEnter;
                ending = validated ? Ending::Recalculated : Ending::Cleared;
            } else {
                ++toggles;
                ending = Ending::Recalculated;
            }
        }
        if (after != before && form::IsNumericBox(before)) {
            validated = true;
            ending = Ending::Recalculated;
        }

        for (int i = 0; i < kNumeric; ++i)
            if (texts[i] != shown_.boxes[i]) clean_[i] = texts[i] == "0";
        if (validated) clean_[before - 1] = true;

        for (const std::string& label : {shown.distance, shown.course})
            if (HasNonFinite(label)) Fail("a label shows \"" + label + "\"");
        for (int box = 1; box <= kNumeric; ++box) {
            const std::string& text = texts[box - 1];
            if (!clean_[box - 1]) continue;
            if (HasNonFinite(text)) Fail(Name(box) + " shows \"" + text + "\"");
            const std::optional<double> value = Convert(text);
            if (!value) Fail(Name(box) + " was validated yet holds \"" + text + "\"");
            if (*value > form::UpperLimitOf(box))
                Fail(Name(box) + " was validated yet holds " + text + ", above its limit");
        }
        if (toggles > 0) {
            const form::LetterToggle& toggle = form::ToggleOf(before);
            const std::string& text = texts[before - 1];
            std::string expected = shown_.boxes[before - 1];
            for (int t = 0; t < toggles; ++t)
                expected = expected == toggle.testLetter ? toggle.otherLetter : toggle.testLetter;
            if (text != expected)
                Fail(Name(before) + " received " + std::to_string(toggles) +
                     " characters and shows \"" + text + "\", not \"" + expected + "\"");
        }

        switch (ending) {
            case Ending::Nothing:
                if (shown.distance != shown_.distance || shown.course != shown_.course)
                    Fail("an action without notification changed the results");
                break;
            case Ending::Cleared:
                if (!shown.distance.empty() || !shown.course.empty())
                    Fail("a character in a numeric box left results standing");
                break;
            case Ending::Recalculated:
                CheckResults(texts);
                break;
        }
        shown_ = shown;
        beeps_ = 0;
    }

    void CheckResults(const std::array<std::string, kBoxes>& texts) {
        if (beeps_ > 0) {
            for (const form::CoordinateGroup& group : form::kCoordinateGroups)
                if (texts[group.degrees - 1] == "0" && texts[group.minutes - 1] == "0" &&
                    texts[group.seconds - 1] == "0")
                    return;
            Fail("the guard Beeped, yet no coordinate reads 0");
        }
        if (const std::string wrong = qt_test::WrongResults(window_); !wrong.empty()) Fail(wrong);
    }

    // The window's locale test and conversion: the value of a text it reads as a number.
    static std::optional<double> Convert(const std::string& text) {
        bool ok = false;
        const double value = QLocale().toDouble(QString::fromStdString(text), &ok);
        return ok ? std::optional(value) : std::nullopt;
    }

    static bool HasNonFinite(const std::string& text) {
        const QString lower = QString::fromStdString(text).toLower();
        return lower.contains(QStringLiteral("nan")) || lower.contains(QStringLiteral("inf")) ||
               !std::isfinite(Convert(text).value_or(0));
    }

    static qt::EditBox* FocusedEditBox() {
        return dynamic_cast<qt::EditBox*>(QApplication::focusWidget());
    }

    static int FocusedBox() { return FocusedEditBox() ? FocusedEditBox()->Box() : 0; }

    const std::string& Paste() {
        return kPastes[input_.ConsumeIntegralInRange<std::size_t>(0, kPastes.size() - 1)];
    }

    static std::string Name(int box) { return "Text" + std::to_string(box); }

    void Log(const std::string& action) { log_.push_back(action); }

    // Through the window system, as a user's switch of programs: QApplication::setActiveWindow
    // is deprecated from Qt 6.5 on.
    void Activate(QWidget& window) const {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) Fail("a window did not become active");
    }

    [[noreturn]] void Fail(const std::string& what) const {
        std::fprintf(stderr, "\nBroken invariant: %s\nLocale %s. Actions:\n", what.c_str(),
                     QLocale().name().toStdString().c_str());
        for (const std::string& action : log_) std::fprintf(stderr, "  %s\n", action.c_str());
        std::fprintf(stderr, "Window:");
        for (const auto& [name, value] : sessions::FieldsOf(qt_test::StateOf(window_, beeps_)))
            std::fprintf(stderr, " %s=\"%s\"", name.c_str(), value.c_str());
        std::fprintf(stderr, "\n");
        std::abort();
    }

    FuzzedDataProvider& input_;
    MainWindow window_;
    QWidget other_;
    sessions::WindowState shown_;  // after the last action
    std::array<bool, kNumeric> clean_{};
    std::vector<int> codes_;  // the action's character notifications, in the box it began in
    int beeps_ = 0;
    std::vector<std::string> log_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // One application for the whole run; every input gets a window of its own. libFuzzer's
    // options are none of Qt's business.
    static int argc = 1;
    static char name[] = "window_fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics go first at exit, and its teardown would trip over them.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    QLocale::setDefault(input.PickValueInArray(kLocales));
    {
        Session session(input);
        session.Run();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
