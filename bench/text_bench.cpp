// Throughput of the text operations and the click actions on texts from
// 1 KB to 16 MB. Run through bench/run.sh, which prints the table.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "text/encoding.h"
#include "text/extract.h"
#include "text/primitives.h"

namespace {

enum Kind { kAscii, kChinese, kMixed, kLeadRun, kNearMiss };
const char* const kKindNames[] = {"ascii", "chinese", "mixed", "lead-run", "near-miss"};

// A text of `size` bytes of the given kind, without the sought marker, so a
// search has to cross all of it.
Text MakeText(Kind kind, std::size_t size) {
  std::string unit;
  switch (kind) {
    case kAscii:
      unit = "https://pan.baidu.com/s/1AbC-dEf?pwd=x7Kq shared ";
      break;
    case kChinese:
      unit = GbkFromUtf8("链接分享来自百度网盘超级会员的分享　").bytes();
      break;
    case kMixed:
      unit = GbkFromUtf8("链接: https://pan.baidu.com/s/1AbC 来自 V3 的分享 ").bytes();
      break;
    case kLeadRun:
      unit =
          "\xA1\xA1\xB0\xA1";  // full-width spaces and pairs whose bytes hold every A1 A1 across characters
      break;
    case kNearMiss:
      unit = std::string(GbkFromUtf8("提取").bytes()) +
             "\xC2";  // the marker's first five bytes, again and again
      break;
  }
  std::string bytes;
  bytes.reserve(size + unit.size());
  while (bytes.size() < size)
    bytes += unit;
  bytes.resize(size);
  return Text(std::move(bytes));
}

const Text& Marker() {
  static const Text marker = GbkFromUtf8("提取码");
  return marker;
}

template <typename Operation>
void Run(benchmark::State& state, Operation operation) {
  const auto kind = static_cast<Kind>(state.range(0));
  const Text text = MakeText(kind, static_cast<std::size_t>(state.range(1)));
  for (auto _ : state)
    benchmark::DoNotOptimize(operation(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(1));
  state.SetLabel(kKindNames[kind]);
}

void BM_FindText(benchmark::State& s) {
  Run(s, [](const Text& t) { return FindText(t, Marker(), std::nullopt, false); });
}
void BM_FindTextReverse(benchmark::State& s) {
  Run(s, [](const Text& t) { return FindTextReverse(t, Marker(), std::nullopt, false); });
}
void BM_FindTextIgnoringCase(benchmark::State& s) {
  Run(s, [](const Text& t) { return FindText(t, "HTTPX", std::nullopt, true); });
}
void BM_ReplaceSubtext(benchmark::State& s) {
  Run(s,
      [](const Text& t) { return ReplaceSubtext(t, " ", std::nullopt, std::nullopt, std::nullopt, true); });
}
void BM_RemoveAllSpaces(benchmark::State& s) {
  Run(s, [](const Text& t) { return RemoveAllSpaces(t); });
}
void BM_TrimBothEnds(benchmark::State& s) {
  Run(s, [](const Text& t) { return TrimBothEnds(t); });
}
void BM_TextBetween(benchmark::State& s) {
  Run(s, [](const Text& t) { return TextBetween(t, "http", Marker(), 0, false, 1, 0); });
}
void BM_TextAfter(benchmark::State& s) {
  Run(s, [](const Text& t) { return TextAfter(t, Marker(), 2, 0); });
}
void BM_Utf8FromGbk(benchmark::State& s) {
  Run(s, [](const Text& t) { return Utf8FromGbk(t); });
}
void BM_GbkFromUtf8(benchmark::State& s) {
  const auto kind = static_cast<Kind>(s.range(0));
  const std::string utf8 = Utf8FromGbk(MakeText(kind, static_cast<std::size_t>(s.range(1))));
  for (auto _ : s)
    benchmark::DoNotOptimize(GbkFromUtf8(utf8));
  s.SetBytesProcessed(static_cast<int64_t>(s.iterations()) * s.range(1));
  s.SetLabel(kKindNames[kind]);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int kind = kAscii; kind <= kNearMiss; ++kind) {
    for (int64_t size : {int64_t{1} << 10, int64_t{1} << 20, int64_t{16} << 20})
      b->Args({kind, size});
  }
  b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_FindText)->Apply(Sizes);
BENCHMARK(BM_FindTextReverse)->Apply(Sizes);
BENCHMARK(BM_FindTextIgnoringCase)->Apply(Sizes);
BENCHMARK(BM_ReplaceSubtext)->Apply(Sizes);
BENCHMARK(BM_RemoveAllSpaces)->Apply(Sizes);
BENCHMARK(BM_TrimBothEnds)->Apply(Sizes);
BENCHMARK(BM_TextBetween)->Apply(Sizes);
BENCHMARK(BM_TextAfter)->Apply(Sizes);
BENCHMARK(BM_Utf8FromGbk)->Apply(Sizes);
BENCHMARK(BM_GbkFromUtf8)->Apply(Sizes);

BENCHMARK_MAIN();
