// Replays a fuzz corpus as an ordinary test, then runs a fixed number of
// seeded mutations of it, so every input that once broke something stays in
// the suite on every build, libFuzzer or not.
//   replay [--mutations N] FILE_OR_FOLDER...
#include <dirent.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Collect(const std::string& path, std::vector<std::vector<uint8_t>>* inputs) {
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) {
      if (entry->d_name[0] != '.') Collect(path + "/" + entry->d_name, inputs);
    }
    closedir(dir);
    return;
  }
  std::ifstream in(path, std::ios::binary);
  if (in) inputs->emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  long mutations = 0;
  std::vector<std::vector<uint8_t>> inputs;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--mutations") == 0 && i + 1 < argc) mutations = std::atol(argv[++i]);
    else Collect(argv[i], &inputs);
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  for (const auto& input : inputs) LLVMFuzzerTestOneInput(input.data(), input.size());

  // A small xorshift generator: the same mutations on every run and build.
  uint32_t state = 2463534242u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  for (long n = 0; n < mutations; ++n) {
    std::vector<uint8_t> input = inputs[next() % inputs.size()];
    const int edits = 1 + static_cast<int>(next() % 4);
    for (int e = 0; e < edits; ++e) {
      const uint32_t r = next();
      const size_t at = input.empty() ? 0 : r % input.size();
      switch ((r >> 24) % 4) {
        case 0: if (!input.empty()) input[at] = static_cast<uint8_t>(next()); break;
        case 1: input.insert(input.begin() + static_cast<long>(at), static_cast<uint8_t>("0123456789/:|.-\r\"\\ap"[next() % 21])); break;
        case 2: if (input.size() > 5) input.erase(input.begin() + static_cast<long>(at)); break;
        default: input.insert(input.end(), input.begin(), input.begin() + static_cast<long>(at)); break;
      }
    }
    if (input.size() > 4096) input.resize(4096);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const double runs = static_cast<double>(inputs.size()) + static_cast<double>(mutations);
  std::printf("%zu inputs and %ld mutations ran without a fault (%.0f executions per second)\n", inputs.size(),
              mutations, seconds > 0 ? runs / seconds : 0.0);
  return 0;
}
