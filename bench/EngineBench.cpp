// Cost of the reading engine: one complete reading, and every valid date of the
// offered years in both hemispheres.
#include "Catalogue.h"
#include "FindFlow.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

seraphel::BirthDetails Details(std::int16_t year, std::int16_t month, std::int16_t day, bool northern) {
    seraphel::BirthDetails details;
    details.personName = "ANNA";
    details.birthYear = year;
    details.birthMonthIndex = month;
    details.birthMonthName = std::string{seraphel::kMonthNames[static_cast<std::size_t>(month)]};
    details.birthDay = day;
    details.northernHemisphere = northern;
    return details;
}

void BM_OneCompleteReading(benchmark::State& state) {
    auto details = Details(1987, 6, 23, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(seraphel::ReadGuardianAngels(details));
    }
}
BENCHMARK(BM_OneCompleteReading);

void BM_EveryDateBothHemispheres(benchmark::State& state) {
    using namespace std::chrono;
    std::vector<seraphel::BirthDetails> all;
    for (sys_days date = year{1901} / January / 1; date <= sys_days{year{2050} / December / 31}; date += days{1}) {
        const year_month_day ymd{date};
        for (const bool northern : {false, true}) {
            all.push_back(Details(static_cast<std::int16_t>(static_cast<int>(ymd.year())),
                                  static_cast<std::int16_t>(static_cast<unsigned>(ymd.month()) - 1),
                                  static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())), northern));
        }
    }
    for (auto _ : state) {
        for (auto& details : all) {
            benchmark::DoNotOptimize(seraphel::ReadGuardianAngels(details));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(all.size()));
}
BENCHMARK(BM_EveryDateBothHemispheres)->Unit(benchmark::kMillisecond);

} // namespace
