// Kelv-MakeList (id 22): every line of a list wrapped in a prefix and a suffix.
//
//   a⏎b⏎c|post=,          "a,⏎b,⏎c,"
//   a⏎b|pre=<|post=>      "<a>⏎<b>"
//
// pre= and post= wrap every line of the list text (CR and LF each end a
// line); each keeps its first 255 characters, and so does each line. The
// list text is what follows the last "|" that is neither of them; none
// writes no result. An empty parameter, or a list of 65535 bytes or more,
// is "??". (⏎ is one CR.)
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

void WrappedList(HostHandle parameter, HostHandle result);
