// Calls through the entry point: an empty call, each of the functions with
// a typical parameter, and the largest list of each list function beside two
// anchors: a 64 KiB memcpy and a day list built with snprintf.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "TestHost.h"
#include "Calls.h"

namespace {

// Handles of fixed blocks, so the host's services cost next to nothing.
TestHost& Host() {
  static TestHost* host = [] {
    TestHost* started = new TestHost(TestHost::Storage::Fixed);
    started->Lifecycle(CallKind::Init);
    return started;
  }();
  return *host;
}

void BM_EmptyCall(benchmark::State& state) {
  for (auto _ : state) Host().Lifecycle(CallKind::Idle);
}
BENCHMARK(BM_EmptyCall);

void BM_Function(benchmark::State& state, const BenchCall* call) {
  int64_t bytes = 0;
  for (auto _ : state) bytes += Host().CallLength(call->id, call->parameter);
  state.SetBytesProcessed(bytes);
}

void BM_LargestList(benchmark::State& state, const BenchCall* call) {
  int64_t bytes = 0;
  for (auto _ : state) bytes += Host().CallLength(call->id, call->parameter);
  if (Host().Result() == "??") state.SkipWithError("the list was refused");
  state.SetBytesProcessed(bytes);
  state.counters["bytes"] = static_cast<double>(Host().Result().size());
}

// Anchor: writing a full result of 64 KiB.
void BM_Anchor_Memcpy64K(benchmark::State& state) {
  std::vector<char> from(65536, 'x'), to(65536);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 65536);
}
BENCHMARK(BM_Anchor_Memcpy64K);

// Anchor: the largest day list built the straightforward way, one snprintf
// and one append per item.
void BM_Anchor_SnprintfDayList(benchmark::State& state) {
  static const int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<char> out(65536);
  int64_t bytes = 0;
  for (auto _ : state) {
    int y = 2001, m = 1, d = 1;
    size_t length = 0;
    for (int i = 0; i < 5957; ++i) {
      char item[32];
      int n = std::snprintf(item, sizeof item, "%s%02d/%02d/%04d", i ? "\r" : "", m, d, y);
      std::memcpy(out.data() + length, item, static_cast<size_t>(n));
      length += static_cast<size_t>(n);
      bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
      if (++d > (m == 2 && leap ? 29 : kDays[m])) {
        d = 1;
        if (++m > 12) m = 1, ++y;
      }
    }
    benchmark::DoNotOptimize(out.data());
    bytes += static_cast<int64_t>(length);
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Anchor_SnprintfDayList);

int RegisterCalls() {
  for (const BenchCall& call : kTypicalCalls)
    benchmark::RegisterBenchmark((std::string("BM_Call/") + call.label).c_str(), BM_Function, &call);
  for (const BenchCall& call : kLargestLists)
    benchmark::RegisterBenchmark((std::string("BM_LargestList/") + call.label).c_str(), BM_LargestList, &call);
  return 0;
}
const int registered = RegisterCalls();

}  // namespace
