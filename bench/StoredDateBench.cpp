// Cost of reading the stored reminder date at start-up: every installed locale's short date
// format is tried, whatever the text, so one date written in another locale shows the cost.
#include "StoredDate.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadDateOfAnotherLocale(benchmark::State& state) {
    const QLocale british(QStringLiteral("en_GB"));
    const QDate today(2026, 12, 9);
    for (auto _ : state) {
        benchmark::DoNotOptimize(seraphel::ParseStoredDate(QStringLiteral("12/9/2026"), british, today));
    }
}
BENCHMARK(BM_ReadDateOfAnotherLocale)->Unit(benchmark::kMicrosecond);

} // namespace
