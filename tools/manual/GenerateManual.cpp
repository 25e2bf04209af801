// Writes what the function registry makes: the manual of the functions, the
// README's table and the end-to-end case of the manual's examples.
//   generate-manual OUTPUT_DIR
#include <cstdio>
#include <fstream>
#include <string>

#include "ManualText.h"
#include "host/FunctionIds.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate-manual OUTPUT_DIR\n");
    return 2;
  }
  // Every function the host can call needs at least one tested example,
  // but the time stamps, whose answers are the clock's.
  for (const FunctionEntry& entry : FunctionEntries()) {
    const bool clock = entry.id >= kTimeStampFull && entry.id <= kTimeStampDate;
    if (entry.examples.empty() && !clock) {
      std::fprintf(stderr, "generate-manual: %s has no example\n", entry.name);
      return 1;
    }
  }
  const std::string dir = argv[1];
  if (!Write(dir + "/functions.md", FunctionsManual()) || !Write(dir + "/readme-table.md", ReadmeFunctionTable()) ||
      !Write(dir + "/manual_examples.jsonl", ExamplesCase())) {
    std::fprintf(stderr, "generate-manual: cannot write into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
