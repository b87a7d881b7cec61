// The program's own texts, each in one place. German, blanks exactly as shown on screen.
#pragma once

namespace form::texts {

inline constexpr char kWindowCaption[] =
    "berechnet Abstand geographischer Punkte auf dem Fernbogen";

// Headings.
inline constexpr char kFrom[] = "  von ";
inline constexpr char kTo[] = " nach ";
inline constexpr char kLatitudeRow[] = "Breite";
inline constexpr char kLongitudeRow[] = "Länge";
inline constexpr char kDistanceIs[] = " sind es ";
inline constexpr char kCourseIs[] = " Richtung: ";

// Unit signs: a blank, then the sign.
inline constexpr char kDegreesSign[] = " °";
inline constexpr char kMinutesSign[] = " '";
inline constexpr char kSecondsSign[] = " \"";

// What a screen reader says a box or result label holds, e.g. "von Länge Grad": the side, the
// row's heading, the field.
inline constexpr char kSideFrom[] = "von";
inline constexpr char kSideTo[] = "nach";
inline constexpr char kFieldDegrees[] = "Grad";
inline constexpr char kFieldMinutes[] = "Minuten";
inline constexpr char kFieldSeconds[] = "Sekunden";
inline constexpr char kFieldHemisphere[] = "Halbkugel";
inline constexpr char kDistanceName[] = "Entfernung";
inline constexpr char kCourseName[] = "Richtung";

// What a screen reader says a box takes ("0 bis 90", "N oder S, jede Taste wechselt") and what
// it speaks when a result appears in place of a caption's abbreviation, or when the guard resets
// a coordinate or leaving a box resets one ("von Breite außerhalb des Bereichs, auf 0 gesetzt",
// "von Länge Sekunden leer, auf 0 gesetzt", "von Breite Minuten und Sekunden auf 0 gesetzt").
inline constexpr char kFromZeroTo[] = "0 bis ";
inline constexpr char kOr[] = " oder ";
inline constexpr char kAnyKeyToggles[] = ", jede Taste wechselt";
inline constexpr char kSpokenWest[] = "ter Längengrad West";
inline constexpr char kSpokenEast[] = "ter Längengrad Ost";
inline constexpr char kOutOfRange[] = " außerhalb des Bereichs,";
inline constexpr char kEmpty[] = " leer,";
inline constexpr char kNotANumber[] = " keine Zahl,";
inline constexpr char kAnd[] = " und ";
inline constexpr char kSetToZero[] = " auf 0 gesetzt";

// Box defaults and the text a failed validation or the guard writes.
inline constexpr char kZero[] = "0";
inline constexpr char kNorth[] = "N";
inline constexpr char kSouth[] = "S";
inline constexpr char kWest[] = "W";
inline constexpr char kEast[] = "E";

// Results. A pattern's "0"s before the point are digits always shown, the "0"s after it the
// decimals, the point the locale's decimal separator; everything else is copied.
inline constexpr char kDistanceUnder10[] = "0.000 Km";
inline constexpr char kDistanceUnder100[] = "0.00 Km";
inline constexpr char kDistanceUnder1000[] = "0.0 Km";
inline constexpr char kDistanceFrom1000[] = "0 km";
inline constexpr char kCourse[] = "0.0 Grad";
inline constexpr char kMeridian[] = "0.0";
inline constexpr char kMeridianWest[] = "te LngnGrd W";
inline constexpr char kMeridianEast[] = "te LngnGrd E";
inline constexpr char kAnyCourse[] = "egal";

// The one entry of a result field's menu, which puts the field's text on the clipboard.
inline constexpr char kCopy[] = "Kopieren";

}  // namespace form::texts
