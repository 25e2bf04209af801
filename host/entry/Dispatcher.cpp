#include "Dispatcher.h"

#include "functions/DateListFunctions.h"
#include "functions/DifferenceFunctions.h"
#include "functions/MakeList.h"
#include "functions/NumberLists.h"
#include "functions/TimeStampFunctions.h"
#include "host/FunctionIds.h"
#include "host/ResultWriters.h"
#include "prefs/PrefsFunctions.h"
#include "resources/FunctionRegistry.h"
#include "resources/PluginTexts.h"

namespace {

// Each function's handler is in the room of its kind: the differences, the
// lists and the time stamps in functions/, the preference setters in prefs/.
// The version is the dispatcher's own; it reads no parameter.
void VersionText(int32_t, HostHandle, HostHandle result) {
  WriteHandleBytes(result, KELV_VERSION_TEXT, static_cast<int32_t>(sizeof KELV_VERSION_TEXT - 1));
}

typedef void (*FunctionHandler)(int32_t id, HostHandle parameter, HostHandle result);

const FunctionHandler kHandlers[] = {
#define KELV_FUNCTION_HANDLER(id, Ident, name, Handler) Handler,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_HANDLER)
#undef KELV_FUNCTION_HANDLER
};
static_assert(sizeof kHandlers / sizeof kHandlers[0] == KELV_FUNCTION_COUNT, "a handler for every function");

// The table's rows stand in the order of their ids. The check is a
// template, not a function: a function the compiler alone runs would stand
// in the coverage figures as code no test reaches.
constexpr int32_t kRowIds[] = {
#define KELV_FUNCTION_ROW(id, Ident, name, Handler) id,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_ROW)
#undef KELV_FUNCTION_ROW
};
template <int32_t row>
struct RowsInIdOrder {
  static constexpr bool value = kRowIds[row] == row && RowsInIdOrder<row - 1>::value;
};
template <>
struct RowsInIdOrder<-1> {
  static constexpr bool value = true;
};
static_assert(RowsInIdOrder<KELV_FUNCTION_COUNT - 1>::value, "the function table lists ids 0, 1, 2, ... in order");

}  // namespace

void DispatchExternalFunction(int32_t functionId, HostHandle parameter, HostHandle result) {
  // The version writes straight into its own result; every other call
  // makes its result the current one first, for "??".
  if (functionId != kVersion) currentResultHandle = result;
  if (functionId < 0 || functionId >= KELV_FUNCTION_COUNT) {
    WriteErrorResult();
    return;
  }
  kHandlers[functionId](functionId, parameter, result);
}
