// Kelv-ListNumbers (id 21): a numbered list from key=value pieces.
//
//   start=1|end=10|inc=3                    "1⏎4⏎7⏎10"
//   start=1|end=3|inc=1|zeropad=3|pre=A-    "A-001⏎A-002⏎A-003"
//
// Keys ignore case; inc must be 1 or more; start equal to end, an unknown
// key or a value that is not an integer writes no result. An empty
// parameter, or a list of 65535 bytes or more, is "??". (⏎ is one CR.)
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

void NumberList(HostHandle parameter, HostHandle result);
