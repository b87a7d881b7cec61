#include "sessions/generator.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "form/layout.h"

namespace sessions {

namespace {

// splitmix64: a few lines whose every output is fixed by the seed.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // low to high, both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool Percent(int percent) { return Between(0, 99) < percent; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(N) - 1))];
    }

  private:
    std::uint64_t state_;
};

// Typed characters besides the digits: the printable ASCII ones are drawn by code, these come
// from a German keyboard and beyond it.
const char* const kOtherCharacters[] = {"ä", "Ö", "ß", "°", "€", "µ", "é", "½", "😀"};
// What users type into a hemisphere box, and what they type by mistake.
const char* const kLetters[] = {"N", "S", "E", "W", "n", "s", "e", "w", "x", "0", " "};
const char* const kEditingKeys[] = {"Backspace", "Delete", "Left", "Right", "Home", "End"};
const char* const kKeys[] = {"Enter", "Backspace", "Delete", "Escape",
                             "Left",  "Right",     "Home",   "End"};

const char* const kFractions[] = {"1.5",  ".5",  "5.", "0.25", "59.9", "-.5",
                                  "89.9", "1,5", "0.", "-0",   "+5"};
const char* const kWords[] = {"abc", "N", "S",   "E",   "W",   "n",   "s",  "e",
                              "w",   "x", "nan", "inf", "NaN", "Inf", "1a", "a1"};
const char* const kExponents[] = {"1e400", "9e99", "1E308",    "1e-400", "-1e400",
                                  "1e2",   "2E1",  "1e999999", "5e-1",   "1e"};
// Blanks, lone signs, other notations and other scripts' digits.
const char* const kOddForms[] = {" 5", "5 ", "- 5", "0x1", "1 000", "+", "-", ".", "٣", "５"};

int MaxLengthOf(int box) {
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder) {
        if (layout.box == box) return layout.maxLength;
    }
    throw std::out_of_range("no such box");
}

Step Act(Action action, int control = 0, std::string text = {}) {
    return {action, control, std::move(text), 0};
}

std::string Digits(Random& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + random.Between(0, 9));
    return digits;
}

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    std::vector<Step> Session() {
        const auto length =
            static_cast<std::size_t>(random_.Between(kMinGeneratedActions, kMaxGeneratedActions));
        // Phrases by their share: a value typed into a box (35 %), a coordinate that trips the
        // guard (8 %), a paste (15 %), editing keys in one box (12 %), letters into a letter box
        // (8 %), any single action (22 %).
        while (steps_.size() < length) {
            const int roll = random_.Between(0, 99);
            if (roll < 35)
                EnterValue();
            else if (roll < 43)
                TripGuard();
            else if (roll < 58)
                PasteValue();
            else if (roll < 70)
                EditInPlace();
            else if (roll < 78)
                ToggleLetter();
            else
                AnyAction();
        }
        steps_.resize(length);
        return steps_;
    }

  private:
    // Into the next box, or with the mouse into any box.
    void EnterValue() {
        if (random_.Percent(50))
            Add(Act(Action::Tab));
        else
            Click(AnyBox());
        if (form::IsLetterBox(focus_)) {
            TypeLetters();
            return;
        }
        Type(TypedValue(focus_));
        Leave();
    }

    // A degrees box at its limit, then minutes or seconds above 0: the coordinate as a whole is
    // out of range when it is next read. Or the other way round, which the degrees box settles.
    void TripGuard() {
        const form::CoordinateGroup& group =
            form::kCoordinateGroups[static_cast<std::size_t>(random_.Between(0, 3))];
        const std::string limit = std::to_string(static_cast<int>(group.degreesLimit));
        const int part = random_.Percent(50) ? group.minutes : group.seconds;
        const std::string over = std::to_string(random_.Between(1, 59));
        if (random_.Percent(70)) {
            Click(group.degrees);
            Type(limit);
            Click(part);
            Type(over);
        } else {
            Click(part);
            Type(over);
            Click(group.degrees);
            Type(limit);
        }
        Leave();
    }

    void PasteValue() {
        if (random_.Percent(50)) Click(AnyBox());
        Add(Act(Action::Paste, 0, PasteText()));
        if (random_.Percent(60)) Leave();
    }

    // Several keys in the box that has the focus.
    void EditInPlace() {
        for (int n = random_.Between(3, 8); n > 0; --n) {
            const int roll = random_.Between(0, 99);
            if (roll < 45)
                Type(Digits(random_, 1));
            else if (roll < 80)
                Add(KeyStep(random_.Pick(kEditingKeys)));
            else if (roll < 90)
                Add(KeyStep("Enter"));
            else
                Type(OtherCharacter());
        }
    }

    void ToggleLetter() {
        Click(form::kNumericBoxCount + random_.Between(1, 4));
        TypeLetters();
        if (random_.Percent(50)) Leave();
    }

    void AnyAction() {
        switch (random_.Between(0, 10)) {
            case 0:
                Type(Digits(random_, 1));
                break;
            case 1:
                Type(OtherCharacter());
                break;
            case 2:
                Add(Act(Action::Tab));
                break;
            case 3:
                Add(Act(Action::Backtab));
                break;
            case 4:
            case 5:
                Add(KeyStep(random_.Pick(kKeys)));
                break;
            case 6:
                Add(KeyStep(std::string("Ctrl") + static_cast<char>('A' + random_.Between(0, 25))));
                break;
            case 7:
                Click(AnyBox());
                break;
            case 8:
                Add(Act(Action::Click, -random_.Between(1, form::kLabelCount)));
                break;
            case 9:
                Add(Act(Action::Paste, 0, PasteText()));
                break;
            default:
                Add(KeyStep("Enter"));
                break;
        }
    }

    // Tab, Enter, a click elsewhere, or on with the next phrase in the same box.
    void Leave() {
        const int roll = random_.Between(0, 99);
        if (roll < 40)
            Add(Act(Action::Tab));
        else if (roll < 65)
            Add(KeyStep("Enter"));
        else if (roll < 80)
            Click(AnyBox());
    }

    void TypeLetters() {
        for (int n = random_.Between(1, 3); n > 0; --n) {
            const int roll = random_.Between(0, 99);
            if (roll < 75)
                Type(random_.Pick(kLetters));
            else if (roll < 90)
                Add(KeyStep(random_.Pick(kKeys)));
            else
                Type(OtherCharacter());
        }
    }

    // Mostly a value that fits, often one at or just past the limit, now and then more digits
    // than the box takes.
    std::string TypedValue(int box) {
        const int limit = static_cast<int>(form::UpperLimitOf(box));
        const int roll = random_.Between(0, 99);
        if (roll < 20) return std::to_string(limit);
        if (roll < 35) return std::to_string(limit + 1);
        if (roll < 45) return Digits(random_, MaxLengthOf(box) + 1);
        if (roll < 50) return "0" + Digits(random_, 1);
        return std::to_string(random_.Between(0, limit));
    }

    std::string PasteText() {
        const int maxLength = form::IsNumericBox(focus_) ? MaxLengthOf(focus_) : 3;
        switch (random_.Between(0, 8)) {
            case 0:
                return Digits(random_, random_.Between(1, maxLength));
            case 1:
                return std::to_string(random_.Pick({90, 91, 180, 181, 59, 60, 0}));
            case 2:
                return Digits(random_, random_.Between(maxLength + 1, maxLength + 8));
            case 3:
                return "-" + Digits(random_, random_.Between(1, 3));
            case 4:
                return random_.Pick(kFractions);
            case 5:
                return random_.Pick(kWords);
            case 6:
                return "";
            case 7:
                return random_.Pick(kExponents);
            default:
                return random_.Pick(kOddForms);
        }
    }

    std::string OtherCharacter() {
        if (random_.Percent(15)) return random_.Pick(kOtherCharacters);
        // Printable ASCII without the digits.
        const int code = random_.Between(32, 126 - 10);
        return std::string(1, static_cast<char>(code < '0' ? code : code + 10));
    }

    // Numeric boxes more often than letter boxes, as they are more.
    int AnyBox() { return random_.Between(1, form::kBoxCount); }

    void Click(int box) {
        Add(Act(Action::Click, box, random_.Percent(50) ? kLeftEdge : kRightEdge));
    }

    // Each character a step of its own, so that the windows are compared after every key.
    void Type(const std::string& text) {
        for (std::size_t i = 0; i < text.size();) {
            std::size_t length = 1;
            while (i + length < text.size() && (text[i + length] & 0xC0) == 0x80) ++length;
            Add(Act(Action::Type, 0, text.substr(i, length)));
            i += length;
        }
    }

    void Add(const Step& step) {
        steps_.push_back(step);
        if (step.action == Action::Click && step.control > 0) focus_ = step.control;
        if (step.action == Action::Tab || step.action == Action::Backtab) {
            const auto& order = form::kBoxesInTabOrder;
            const auto at = std::find_if(order.begin(), order.end(), [this](const auto& layout) {
                return layout.box == focus_;
            });
            const auto index = static_cast<std::size_t>(at - order.begin());
            const std::size_t next =
                step.action == Action::Tab ? index + 1 : index + order.size() - 1;
            focus_ = order[next % order.size()].box;
        }
    }

    Random random_;
    std::vector<Step> steps_;
    // The box with the focus, as the steps so far move it.
    int focus_ = form::kBoxesInTabOrder.front().box;
};

}  // namespace

std::vector<Step> Generate(std::uint64_t seed) {
    return Generator(seed).Session();
}

std::vector<std::string> OddPastes() {
    std::vector<std::string> texts(std::begin(kFractions), std::end(kFractions));
    texts.insert(texts.end(), std::begin(kWords), std::end(kWords));
    texts.insert(texts.end(), std::begin(kExponents), std::end(kExponents));
    texts.insert(texts.end(), std::begin(kOddForms), std::end(kOddForms));
    return texts;
}

std::string ScriptOf(const Step& step) {
    const std::string control = ControlName(step.control);
    switch (step.action) {
        case Action::Click:
            return "click " + control + (step.text.empty() ? "" : " " + step.text);
        case Action::RightClick:
            return "right-click " + control;
        case Action::Tab:
            return "tab";
        case Action::Backtab:
            return "backtab";
        case Action::Type:
            return "type " + step.text;
        case Action::Key:
            return "key " + step.text;
        case Action::Paste:
            return "paste " + step.text;
        case Action::ExpectText:
            return "expect " + control + " = " + step.text;
        case Action::ExpectFocus:
            return "expect focus " + control;
        case Action::ExpectSelection:
            return "expect selection " + step.text;
        case Action::ExpectBeeps:
            return "expect beeps " + std::to_string(step.count);
        case Action::Away:
            return "away";
    }
    return {};
}

std::vector<std::uint64_t> SeedsOf(const std::vector<std::string>& arguments) {
    std::vector<std::uint64_t> seeds;
    for (const std::string& argument : arguments) {
        const auto dash = argument.find('-');
        const std::string first = argument.substr(0, dash);
        const std::string last = dash == std::string::npos ? first : argument.substr(dash + 1);
        for (const std::string& number : {first, last})
            if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
                throw std::invalid_argument("not a seed or a range of seeds: " + argument);
        const std::uint64_t to = std::stoull(last);
        for (std::uint64_t seed = std::stoull(first); seed <= to; ++seed) seeds.push_back(seed);
    }
    return seeds;
}

}  // namespace sessions
