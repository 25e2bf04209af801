// Runs one external function call: reads the parameter within fixed bounds,
// parses it, and hands the values to a builder, computes a number, or
// changes a preference. An id outside the function table answers "??".
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

void DispatchExternalFunction(int32_t functionId, HostHandle parameter, HostHandle result);
