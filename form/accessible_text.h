// What assistive technology reads besides the screen: each box's and result label's name and
// description, and the sentence a screen reader speaks when the results change. German, composed
// from the coordinate groups and the row headings so that names and captions never disagree.
#pragma once

#include <string>
#include <string_view>

#include "form/layout.h"
#include "form/results.h"

namespace form {

// Box n of Textn, e.g. "von Länge Grad" for Text4, "nach Breite Halbkugel" for Text15.
std::string AccessibleNameOfBox(int box);

// What box n takes: "0 bis 90" for a latitude's degrees, "0 bis 59" for minutes and seconds,
// "N oder S, jede Taste wechselt" for a latitude's letter.
std::string AccessibleDescriptionOfBox(int box);

// Label n of Labeln: "Entfernung" and "Richtung" for the two results; empty for the other labels,
// which are read by their captions.
std::string AccessibleNameOfLabel(int label);

// Spoken after a recalculation, in the captions' words: "Entfernung 503,9 Km, Richtung
// 195,5 Grad". A meridian from a pole, whose caption "13,4te LngnGrd E" would be read as a string
// of letters, is spoken in words: "13,4ter Längengrad Ost".
std::string ResultsAnnouncement(const Results& results, std::string_view decimalSeparator);

// A sentence said after what the key did first: "N, Entfernung ..." after a letter toggle (a
// screen reader echoes the key typed, which is rarely the letter it toggled to), or the reset of a
// box before the results of its 0.
std::string AfterLead(std::string_view lead, std::string_view sentence);

// Spoken when the guard resets a coordinate: "von Breite außerhalb des Bereichs, auf 0 gesetzt".
std::string OutOfRangeAnnouncement(const CoordinateGroup& group);

// Why leaving a box wrote 0 into it.
enum class Reset { Empty, NotANumber, OutOfRange };
// Spoken when leaving box n resets it: "von Breite Grad außerhalb des Bereichs, auf 0 gesetzt",
// "von Länge Sekunden leer, auf 0 gesetzt", "von Länge Minuten keine Zahl, auf 0 gesetzt".
std::string ResetAnnouncement(int box, Reset why);
// Spoken when a degrees value at its limit zeroes the minutes, the seconds or both of its
// coordinate, naming those that held something else: "von Breite Minuten auf 0 gesetzt",
// "nach Länge Minuten und Sekunden auf 0 gesetzt".
std::string LimitResetAnnouncement(const CoordinateGroup& group, bool minutes, bool seconds);

}  // namespace form
