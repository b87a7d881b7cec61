#include "form/accessible_name.h"

#include "form/layout.h"
#include "form/texts.h"

namespace form {

std::string AccessibleNameOfBox(int box) {
    const CoordinateGroup& group = GroupOf(box);
    const char* field = box == group.degrees   ? texts::kFieldDegrees
                        : box == group.minutes ? texts::kFieldMinutes
                        : box == group.seconds ? texts::kFieldSeconds
                                               : texts::kFieldHemisphere;
    return std::string(group.start ? texts::kSideFrom : texts::kSideTo) + ' ' +
           (group.latitude ? texts::kLatitudeRow : texts::kLongitudeRow) + ' ' + field;
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

}  // namespace form
