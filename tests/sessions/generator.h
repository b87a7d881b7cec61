// Random user sessions for comparing the two windows: a seed gives the same session on every
// machine and with every standard library (the Win32 tests are built with MinGW's, the Qt tests
// with the system's), so the generator draws from its own generator of numbers, never from
// <random>'s distributions.
//
// A session is a list of action steps only (no expectations), weighted towards what users do,
// typing coordinates box by box, and towards what breaks things: boxes just entered, values at
// and past their limits, coordinates that trip the guard, and pastes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sessions/session.h"

namespace sessions {

inline constexpr int kMinGeneratedActions = 1;
inline constexpr int kMaxGeneratedActions = 60;

std::vector<Step> Generate(std::uint64_t seed);

// The texts the sessions paste besides plain digits: fractions, words, exponents, blanks, lone
// signs, other notations and other scripts' digits. The window fuzzer pastes them too.
std::vector<std::string> OddPastes();

// A step as a script writes it: "type 5", "click Text4 right", "expect Label17 = 503.9 Km".
std::string ScriptOf(const Step& step);

// Seeds from arguments that are each a seed ("17") or a range of them ("1-2000"); throws
// std::invalid_argument on anything else.
std::vector<std::uint64_t> SeedsOf(const std::vector<std::string>& arguments);

}  // namespace sessions
