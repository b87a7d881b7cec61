#include "form/accessible_text.h"

#include <variant>

#include "form/number_pattern.h"
#include "form/texts.h"

namespace form {

namespace {

// "von Breite", "nach Länge": the side, then the row's heading.
std::string CoordinateName(const CoordinateGroup& group) {
    return std::string(group.start ? texts::kSideFrom : texts::kSideTo) + ' ' +
           (group.latitude ? texts::kLatitudeRow : texts::kLongitudeRow);
}

}  // namespace

std::string AccessibleNameOfBox(int box) {
    const CoordinateGroup& group = GroupOf(box);
    const char* field = box == group.degrees   ? texts::kFieldDegrees
                        : box == group.minutes ? texts::kFieldMinutes
                        : box == group.seconds ? texts::kFieldSeconds
                                               : texts::kFieldHemisphere;
    return CoordinateName(group) + ' ' + field;
}

std::string AccessibleDescriptionOfBox(int box) {
    const CoordinateGroup& group = GroupOf(box);
    if (box == group.letter) {
        const LetterToggle& toggle = ToggleOf(box);
        // The default letter first: "N oder S", "W oder E".
        return std::string(toggle.otherLetter) + texts::kOr + toggle.testLetter +
               texts::kAnyKeyToggles;
    }
    const int limit = static_cast<int>(UpperLimitOf(box));
    return texts::kFromZeroTo + std::to_string(limit);
}

std::string AccessibleNameOfLabel(int label) {
    switch (label) {
        case kDistanceLabel:
            return texts::kDistanceName;
        case kCourseLabel:
            return texts::kCourseName;
        default:
            return {};
    }
}

std::string ResultsAnnouncement(const Results& results, std::string_view decimalSeparator) {
    std::string course;
    if (const auto* meridian = std::get_if<Meridian>(&results.course))
        course = RenderNumber(meridian->degrees, texts::kMeridian, decimalSeparator) +
                 (meridian->east ? texts::kSpokenEast : texts::kSpokenWest);
    else
        course = CourseCaption(results, decimalSeparator);
    return std::string(texts::kDistanceName) + ' ' + DistanceCaption(results, decimalSeparator) +
           ", " + texts::kCourseName + ' ' + course;
}

std::string AfterLead(std::string_view lead, std::string_view sentence) {
    return std::string(lead) + ", " + std::string(sentence);
}

std::string OutOfRangeAnnouncement(const CoordinateGroup& group) {
    return CoordinateName(group) + texts::kOutOfRange + texts::kSetToZero;
}

std::string ResetAnnouncement(int box, Reset why) {
    const char* cause = why == Reset::Empty        ? texts::kEmpty
                        : why == Reset::NotANumber ? texts::kNotANumber
                                                   : texts::kOutOfRange;
    return AccessibleNameOfBox(box) + cause + texts::kSetToZero;
}

std::string LimitResetAnnouncement(const CoordinateGroup& group, bool minutes, bool seconds) {
    std::string fields = minutes ? texts::kFieldMinutes : "";
    if (minutes && seconds) fields += texts::kAnd;
    if (seconds) fields += texts::kFieldSeconds;
    return CoordinateName(group) + ' ' + fields + texts::kSetToZero;
}

}  // namespace form
