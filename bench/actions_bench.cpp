// The click actions over the fake desktop, on share messages and plain links
// from 100 bytes to 16 MB. Run through bench/run.sh, which prints the table.
#include <benchmark/benchmark.h>

#include <string>

#include "actions/share_actions.h"
#include "fakes/fake_desktop.h"
#include "text/encoding.h"

namespace {

// A real-looking message whose tail of further text makes up the size, so
// every pass crosses all of it.
Text ShareMessage(std::size_t size) {
  std::string bytes(GbkFromUtf8("链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\r\n").bytes());
  const std::string tail(GbkFromUtf8("--来自百度网盘超级会员V3的分享 ").bytes());
  while (bytes.size() < size)
    bytes += tail;
  bytes.resize(size);
  return Text(std::move(bytes));
}

Text PlainLink(std::size_t size) {
  std::string bytes(GbkFromUtf8("看看这个 https://example.com/a?b=").bytes());
  bytes.resize(size, 'x');
  return Text(std::move(bytes));
}

void BM_OpenShareWithCode(benchmark::State& state) {
  const Text message = ShareMessage(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ResetFake();
    Fake().ticks[Control::选择框8] = true;
    Fake().clipboard = message;
    state.ResumeTiming();
    OpenShareWithCode();
  }
  if (Fake().controlTexts[Control::编辑框6] != Text("x7Kq"))
    state.SkipWithError("the code was not cut");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_OpenPlainUrl(benchmark::State& state) {
  const Text link = PlainLink(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ResetFake();
    Fake().clipboard = link;
    state.ResumeTiming();
    OpenPlainUrl();
  }
  if (Fake().events.size() != 1)
    state.SkipWithError("the link was not opened");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_OpenShareWithCode)
    ->Arg(100)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlainUrl)
    ->Arg(100)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
