// Runs one function through the entry point many times, for callgrind to
// count the instructions spent inside FMExternCallProc:
//   callgrind-driver ID PARAMETER CALLS
// prints the result's length in bytes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchHost.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: callgrind-driver ID PARAMETER CALLS\n");
    return 2;
  }
  static BenchHost host;
  const int id = std::atoi(argv[1]);
  const int calls = std::atoi(argv[3]);
  int32_t length = 0;
  for (int i = 0; i < calls; ++i) length = host.Call(id, argv[2]);
  std::printf("%d\n", static_cast<int>(length));
  return 0;
}
