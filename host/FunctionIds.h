// The ids of the functions by name, from the function registry:
// kDiffDays is 3, kVersion 30, ...
#pragma once

#include <cstdint>

#include "resources/FunctionRegistry.h"

enum FunctionId : int32_t {
#define KELV_FUNCTION_ID(id, Ident, name, Handler, need) k##Ident = id,
  KELV_FUNCTION_TABLE(KELV_FUNCTION_ID)
#undef KELV_FUNCTION_ID
};
