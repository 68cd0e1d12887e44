// LoadDatabase on the full-size synthetic database, against two passes over the same bytes
// that any loader needs at least: a memchr scan that stops at every NUL, as the field cutter
// does, and a plain copy. The load benchmark measures both baselines in the same run and
// reports its best time as multiples of them (x_memchr, x_copy).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "database/database.h"
#include "database/testdata/testdata.h"

namespace {

const QByteArray& Resource() {
    static const QByteArray bytes = zentaloger::testdata::TestDatabase();
    return bytes;
}

int CountNuls(const QByteArray& bytes) {
    int nuls = 0;
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (const void* nul = std::memchr(p, 0, end - p)) {
        ++nuls;
        p = static_cast<const char*>(nul) + 1;
    }
    return nuls;
}

void CopyBytes(const QByteArray& bytes, std::vector<char>& copy) {
    std::memcpy(copy.data(), bytes.constData(), copy.size());
    benchmark::ClobberMemory();
}

// Seconds per call of `pass`: the best of several rounds, so that one interruption by
// another process does not inflate the baseline.
template <typename Pass>
double BestSeconds(Pass pass) {
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int round = 0; round < 20; ++round) {
        constexpr int kPasses = 50;
        const auto start = Clock::now();
        for (int i = 0; i < kPasses; ++i) {
            pass();
        }
        best =
            std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / kPasses);
    }
    return best;
}

void BM_LoadDatabase(benchmark::State& state) {
    const QByteArray& bytes = Resource();
    std::vector<char> copy(bytes.size());
    const double memchrSeconds =
        BestSeconds([&bytes] { benchmark::DoNotOptimize(CountNuls(bytes)); });
    const double copySeconds = BestSeconds([&bytes, &copy] { CopyBytes(bytes, copy); });
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto db = zentaloger::LoadDatabase(bytes);
        benchmark::DoNotOptimize(db.get());
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes.size());
    state.counters["best_load_us"] = best * 1e6;
    state.counters["memchr_us"] = memchrSeconds * 1e6;
    state.counters["copy_us"] = copySeconds * 1e6;
    state.counters["x_memchr"] = best / memchrSeconds;
    state.counters["x_copy"] = best / copySeconds;
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMicrosecond);

void BM_MemchrCountNuls(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountNuls(Resource()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * Resource().size());
}
BENCHMARK(BM_MemchrCountNuls)->Unit(benchmark::kMicrosecond);

void BM_CopyBytes(benchmark::State& state) {
    std::vector<char> copy(Resource().size());
    for (auto _ : state) {
        CopyBytes(Resource(), copy);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * Resource().size());
}
BENCHMARK(BM_CopyBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
