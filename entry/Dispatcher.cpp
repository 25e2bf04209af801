#include "Dispatcher.h"

#include <type_traits>

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
void VersionText(HostHandle, HostHandle result) {
  WriteHandleBytes(result, KELV_VERSION_TEXT, static_cast<int32_t>(sizeof KELV_VERSION_TEXT - 1));
}

// The need of a row whose handler serves that one function alone.
enum class NoNeed { None };

typedef void (*FunctionHandler)(HostHandle parameter, HostHandle result);

// A row's handler called with the row's need, fixed at compile time, so the
// handler learns which of its functions it runs without seeing the id.
template <auto handler, auto need>
void CallWithNeed(HostHandle parameter, HostHandle result) {
  if constexpr (std::is_same_v<decltype(need), NoNeed>) {
    handler(parameter, result);
  } else {
    handler(need, parameter, result);
  }
}

const FunctionHandler kHandlers[] = {
#define KELV_FUNCTION_HANDLER(id, Ident, name, Handler, need) CallWithNeed<Handler, need>,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_HANDLER)
#undef KELV_FUNCTION_HANDLER
};
static_assert(sizeof kHandlers / sizeof kHandlers[0] == KELV_FUNCTION_COUNT, "a handler for every function");

// The table's rows stand in the order of their ids, and the manual's
// entries in the order of the table's rows (the manual is made by walking
// both side by side). The check is a template, not a function: a function
// the compiler alone runs would stand in the coverage figures as code no
// test reaches.
constexpr int32_t kRowIds[] = {
#define KELV_FUNCTION_ROW(id, Ident, name, Handler, need) id,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_ROW)
#undef KELV_FUNCTION_ROW
};
constexpr int32_t kManualRowIds[] = {
#define KELV_MANUAL_ROW(Ident, Group, syntax, parameter, result, errors, preferences) k##Ident,
    KELV_FUNCTION_MANUAL(KELV_MANUAL_ROW)
#undef KELV_MANUAL_ROW
};
static_assert(sizeof kManualRowIds / sizeof kManualRowIds[0] == KELV_FUNCTION_COUNT,
              "a manual entry for every function");
template <const int32_t* ids, int32_t row>
struct RowsInIdOrder {
  static constexpr bool value = ids[row] == row && RowsInIdOrder<ids, row - 1>::value;
};
template <const int32_t* ids>
struct RowsInIdOrder<ids, -1> {
  static constexpr bool value = true;
};
static_assert(RowsInIdOrder<kRowIds, KELV_FUNCTION_COUNT - 1>::value,
              "the function table lists ids 0, 1, 2, ... in order");
static_assert(RowsInIdOrder<kManualRowIds, KELV_FUNCTION_COUNT - 1>::value,
              "the manual's entries stand in the order of the function table");

}  // namespace

void DispatchExternalFunction(int32_t functionId, HostHandle parameter, HostHandle result) {
  if (functionId < 0 || functionId >= KELV_FUNCTION_COUNT) {
    WriteErrorResult(result);
    return;
  }
  kHandlers[functionId](parameter, result);
}
