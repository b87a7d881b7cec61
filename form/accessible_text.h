// What assistive technology reads besides the screen: each box's and result label's name and
// description, and the sentence a screen reader speaks when the results change. German, composed
// from the coordinate groups and the row headings so that names and captions never disagree.
#pragma once

#include <string>
#include <string_view>

#include "form/layout.h"

namespace form {

// Box n of Textn, e.g. "von Länge Grad" for Text4, "nach Breite Halbkugel" for Text15.
std::string AccessibleNameOfBox(int box);

// What box n takes: "0 bis 90" for a latitude's degrees, "0 bis 59" for minutes and seconds,
// "N oder S, jede Taste wechselt" for a latitude's letter.
std::string AccessibleDescriptionOfBox(int box);

// Label n of Labeln: "Entfernung" and "Richtung" for the two results; empty for the other labels,
// which are read by their captions.
std::string AccessibleNameOfLabel(int label);

// Spoken after a recalculation, from the two result captions: "Entfernung 503,9 Km, Richtung
// 195,5 Grad". A meridian caption from a pole ("13,4te LngnGrd E") is spoken in words,
// "13,4ter Längengrad Ost", since its abbreviation reads as a string of letters.
std::string ResultsAnnouncement(std::string_view distanceCaption, std::string_view courseCaption);

// A sentence said after what the key did first: "N, Entfernung ..." after a letter toggle (a
// screen reader echoes the key typed, which is rarely the letter it toggled to), or the reset of a
// box before the results of its 0.
std::string AfterLead(std::string_view lead, std::string_view sentence);

// Spoken when the guard resets a coordinate: "von Breite außerhalb des Bereichs, auf 0 gesetzt".
std::string OutOfRangeAnnouncement(const CoordinateGroup& group);
// Spoken when leaving box n resets it: "von Breite Grad außerhalb des Bereichs, auf 0 gesetzt".
std::string OutOfRangeAnnouncement(int box);

}  // namespace form
