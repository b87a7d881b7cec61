#include "sessions/spoken_resets.h"

namespace sessions {

const std::vector<SpokenReset>& AllSpokenResets() {
    static const std::vector<SpokenReset> all{
        // clang-format off
        {"95 in von Breite Grad is out of range", {{1, "95"}}, 1,
         "von Breite Grad außerhalb des Bereichs, auf 0 gesetzt,"
         " Entfernung 0.00 Km, Richtung egal"},
        {"60 in von Länge Minuten is out of range", {{5, "60"}}, 5,
         "von Länge Minuten außerhalb des Bereichs, auf 0 gesetzt,"
         " Entfernung 0.00 Km, Richtung egal"},
        {"90 in von Breite Grad resets the 30 minutes", {{1, "90"}, {2, "30"}}, 1,
         "von Breite Minuten auf 0 gesetzt, Entfernung 10002 km, Richtung 0.0ter Längengrad West"},
        {"90 in von Breite Grad resets the 15 seconds", {{1, "90"}, {3, "15"}}, 1,
         "von Breite Sekunden auf 0 gesetzt, Entfernung 10002 km, Richtung 0.0ter Längengrad West"},
        {"90 in von Breite Grad resets minutes and seconds in one sentence",
         {{1, "90"}, {2, "30"}, {3, "15"}}, 1,
         "von Breite Minuten und Sekunden auf 0 gesetzt,"
         " Entfernung 10002 km, Richtung 0.0ter Längengrad West"},
        {"180 in nach Länge Grad resets the 5 minutes", {{10, "180"}, {11, "5"}}, 10,
         "nach Länge Minuten auf 0 gesetzt, Entfernung 20004 km, Richtung egal"},
        {"90 in von Breite Grad with nothing to reset says only the results", {{1, "90"}}, 1,
         "Entfernung 10002 km, Richtung 0.0ter Längengrad West"},
        {"von Länge Sekunden left empty goes back to 0", {{6, ""}}, 6,
         "von Länge Sekunden leer, auf 0 gesetzt, Entfernung 0.00 Km, Richtung egal"},
        {"a word pasted into nach Breite Minuten goes back to 0", {{8, "abc"}}, 8,
         "nach Breite Minuten keine Zahl, auf 0 gesetzt, Entfernung 0.00 Km, Richtung egal"},
        // clang-format on
    };
    return all;
}

}  // namespace sessions
