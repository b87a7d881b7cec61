// Resource ids of the program file, shared by the resource script and the Windows program
// (LoadIcon(instance, MAKEINTRESOURCE(kIconResource))). Plain defines: the resource compiler
// reads this file too.
#pragma once

#define FERNBOGEN_ICON 1

#ifndef RC_INVOKED
inline constexpr int kIconResource = FERNBOGEN_ICON;
#endif
