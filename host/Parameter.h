// Reading the parameter handle the host passes with an external call.
#pragma once

#include <cstdint>

#include "CallBlock.h"

// The parameter's size into `size`. An empty parameter writes "??" into the
// call's result and answers false.
bool RequireParameter(HostHandle parameter, HostHandle result, int32_t* size);

// At most `limit` bytes of the parameter as a NUL-terminated text (`text`
// holds limit + 1 bytes); answers the bytes copied.
int32_t CopyParameter(HostHandle parameter, char* text, int32_t limit);
