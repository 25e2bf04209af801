// Runs one benchmark call through the entry point many times, for callgrind
// to count the instructions spent inside FMExternCallProc.
//   callgrind-driver lists                   the list calls: "KIND INDEX LABEL"
//   callgrind-driver diffdays CALLS          Kelv-DiffDays of 1/1/2001|1/3/2001
//   callgrind-driver KIND INDEX CALLS        KIND typical, largest or single (one item)
// A run prints the result's length in bytes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TestHost.h"
#include "Calls.h"
#include "host/FunctionIds.h"

namespace {

bool IsList(const BenchCall& call) { return call.id >= kListMinutes && call.id <= kMakeList; }

int Run(int id, const std::string& parameter, int calls) {
  static TestHost host(TestHost::Storage::Fixed);
  static bool started = host.Lifecycle(CallKind::Init) == 4;
  int32_t length = 0;
  for (int i = 0; i < calls && started; ++i) length = host.CallLength(id, parameter);
  std::printf("%d\n", static_cast<int>(length));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "lists") == 0) {
    for (size_t i = 0; i < kTypicalCalls.size(); ++i)
      if (IsList(kTypicalCalls[i])) std::printf("typical %zu %s\n", i, kTypicalCalls[i].label);
    for (size_t i = 0; i < kLargestLists.size(); ++i)
      std::printf("largest %zu %s\n", i, kLargestLists[i].label);
    for (size_t i = 0; i < kOneItemLists.size(); ++i)
      std::printf("single %zu %s\n", i, kOneItemLists[i].label);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "diffdays") == 0) return Run(3, "1/1/2001|1/3/2001", std::atoi(argv[2]));
  if (argc == 4) {
    const auto& table = std::strcmp(argv[1], "largest") == 0  ? kLargestLists
                        : std::strcmp(argv[1], "single") == 0 ? kOneItemLists
                                                              : kTypicalCalls;
    const size_t index = static_cast<size_t>(std::atoi(argv[2]));
    if (index < table.size()) return Run(table[index].id, table[index].parameter, std::atoi(argv[3]));
  }
  std::fprintf(stderr, "usage: callgrind-driver lists | diffdays CALLS | typical|largest|single INDEX CALLS\n");
  return 2;
}
