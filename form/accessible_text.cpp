#include "form/accessible_text.h"

#include "form/texts.h"

namespace form {

namespace {

// "von Breite", "nach Länge": the side, then the row's heading.
std::string CoordinateName(const CoordinateGroup& group) {
    return std::string(group.start ? texts::kSideFrom : texts::kSideTo) + ' ' +
           (group.latitude ? texts::kLatitudeRow : texts::kLongitudeRow);
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
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

std::string ResultsAnnouncement(std::string_view distanceCaption, std::string_view courseCaption) {
    std::string course(courseCaption);
    for (const auto& [caption, spoken] : {std::pair{texts::kMeridianWest, texts::kSpokenWest},
                                          std::pair{texts::kMeridianEast, texts::kSpokenEast}}) {
        const std::string_view suffix = caption;
        if (EndsWith(courseCaption, suffix))
            course =
                std::string(courseCaption.substr(0, courseCaption.size() - suffix.size())) + spoken;
    }
    return std::string(texts::kDistanceName) + ' ' + std::string(distanceCaption) + ", " +
           texts::kCourseName + ' ' + course;
}

std::string AfterLead(std::string_view lead, std::string_view sentence) {
    return std::string(lead) + ", " + std::string(sentence);
}

std::string OutOfRangeAnnouncement(const CoordinateGroup& group) {
    return CoordinateName(group) + texts::kOutOfRange;
}

std::string OutOfRangeAnnouncement(int box) {
    return AccessibleNameOfBox(box) + texts::kOutOfRange;
}

}  // namespace form
