// Reading the parameter handle the host passes with an external call.
#pragma once

#include <cstdint>

#include "CallBlock.h"

// The parameter's size; false, with "??" written, when it is empty.
bool NonEmptyParameter(HostHandle parameter, int32_t* size);

// At most `limit` bytes of the parameter as a NUL-terminated text (`text`
// holds limit + 1 bytes); answers the bytes copied.
int32_t CopyParameter(HostHandle parameter, char* text, int32_t limit);
