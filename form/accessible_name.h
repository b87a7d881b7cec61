// What each box and result label is called for assistive technology: German names that say what
// the control holds, composed from the coordinate groups and the row headings.
#pragma once

#include <string>

namespace form {

// Box n of Textn, e.g. "von Länge Grad" for Text4, "nach Breite Halbkugel" for Text15.
std::string AccessibleNameOfBox(int box);

// Label n of Labeln: "Entfernung" and "Richtung" for the two results; empty for the other labels,
// which are read by their captions.
std::string AccessibleNameOfLabel(int label);

}  // namespace form
