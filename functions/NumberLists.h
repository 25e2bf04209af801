// Kelv-ListNumbers and Kelv-MakeList: general lists from key=value pieces.
//
//   Kelv-ListNumbers  start=1|end=10|inc=3            "1⏎4⏎7⏎10"
//                     start=1|end=3|inc=1|zeropad=3|pre=A-   "A-001⏎A-002⏎A-003"
//     Keys ignore case; inc must be 1 or more; start equal to end, an unknown
//     key or a value that is not an integer writes no result.
//   Kelv-MakeList     a⏎b⏎c|post=,                    "a,⏎b,⏎c,"
//     pre= and post= wrap every line of the list text; no list text writes
//     no result.
// (⏎ is one CR.) A list of 65535 bytes or more is "??".
#pragma once

#include "host/CallBlock.h"

void WriteNumberList(HostHandle parameter, HostHandle result);
void WriteWrappedList(HostHandle parameter, HostHandle result);
