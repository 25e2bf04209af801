// The plug-in's texts as the host reads them: one table for the string
// resources of the Windows build, the native build's resource stand-in,
// kelvhost and the documentation. No text here is written anywhere else.
#pragma once

#define KELV_TEXT_NAME "Mevrin Date & Time"
#define KELV_TEXT_DESCRIPTION "Provides increased functionality with lists, dates, and time stamps"
#define KELV_TEXT_OPTIONS "Kelv1YYYYnn"

#define KELV_STRING_NAME 128
#define KELV_STRING_DESCRIPTION 129
#define KELV_STRING_OPTIONS 131

// The version: the only place it is written. "Kelv-Version#" answers the
// text, the version block carries both, and the build takes its project
// version from the numbers.
#define KELV_VERSION_NUMBERS 3, 0, 2, 0
#define KELV_VERSION_TEXT "3.02"
#define KELV_INTERNAL_NAME "Kelv"
#define KELV_FILE_DESCRIPTION "Mevrin Date & Time FileMaker Plug-In"

// The functions' names, ids and string resources.
#include "FunctionRegistry.h"
