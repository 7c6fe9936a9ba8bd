#include "modEnglishCalender.h"

#include "Catalogue.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <stdexcept>

namespace seraphel {
namespace {

// Years that leave the same remainder modulo 28 share their whole calendar, leap day
// included. Each class lists its member years one by one and the weekday of the first
// of each month, January to December (0 = Sunday).
struct YearClass {
    std::array<std::int16_t, 6> memberYears;
    std::size_t memberCount;
    std::array<std::int8_t, 12> monthCodes;

    std::span<const std::int16_t> members() const { return {memberYears.data(), memberCount}; }
};

constexpr std::array<YearClass, 28> kCalendar{{
    {{1901, 1929, 1957, 1985, 2013, 2041}, 6, {2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0}},
    {{1902, 1930, 1958, 1986, 2014, 2042}, 6, {3, 6, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1}},
    {{1903, 1931, 1959, 1987, 2015, 2043}, 6, {4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2}},
    {{1904, 1932, 1960, 1988, 2016, 2044}, 6, {5, 1, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
    {{1905, 1933, 1961, 1989, 2017, 2045}, 6, {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}},
    {{1906, 1934, 1962, 1990, 2018, 2046}, 6, {1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6}},
    {{1907, 1935, 1963, 1991, 2019, 2047}, 6, {2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0}},
    {{1908, 1936, 1964, 1992, 2020, 2048}, 6, {3, 6, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2}},
    {{1909, 1937, 1965, 1993, 2021, 2049}, 6, {5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},
    {{1910, 1938, 1966, 1994, 2022, 2050}, 6, {6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
    {{1911, 1939, 1967, 1995, 2023}, 5, {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}},
    {{1912, 1940, 1968, 1996, 2024}, 5, {1, 4, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0}},
    {{1913, 1941, 1969, 1997, 2025}, 5, {3, 6, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1}},
    {{1914, 1942, 1970, 1998, 2026}, 5, {4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2}},
    {{1915, 1943, 1971, 1999, 2027}, 5, {5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},
    {{1916, 1944, 1972, 2000, 2028}, 5, {6, 2, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}},
    {{1917, 1945, 1973, 2001, 2029}, 5, {1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6}},
    {{1918, 1946, 1974, 2002, 2030}, 5, {2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0}},
    {{1919, 1947, 1975, 2003, 2031}, 5, {3, 6, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1}},
    {{1920, 1948, 1976, 2004, 2032}, 5, {4, 0, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},
    {{1921, 1949, 1977, 2005, 2033}, 5, {6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
    {{1922, 1950, 1978, 2006, 2034}, 5, {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}},
    {{1923, 1951, 1979, 2007, 2035}, 5, {1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6}},
    {{1924, 1952, 1980, 2008, 2036}, 5, {2, 5, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1}},
    {{1925, 1953, 1981, 2009, 2037}, 5, {4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2}},
    {{1926, 1954, 1982, 2010, 2038}, 5, {5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},
    {{1927, 1955, 1983, 2011, 2039}, 5, {6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
    {{1928, 1956, 1984, 2012, 2040}, 5, {0, 3, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6}},
}};

constexpr std::array<std::string_view, 7> kWeekdayBySumRemainder{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

constexpr int kLowestSum = 1;
constexpr int kHighestSum = 37;

} // namespace

int MonthCode(std::int16_t year, std::string_view monthName) {
    const auto yearClass = std::ranges::find_if(
        kCalendar, [year](const YearClass& candidate) { return std::ranges::count(candidate.members(), year) > 0; });
    const auto month = std::ranges::find(kMonthNames, monthName);
    if (yearClass == kCalendar.end() || month == kMonthNames.end()) {
        return 0;
    }
    return yearClass->monthCodes[static_cast<std::size_t>(month - kMonthNames.begin())];
}

void CalculateWeekday(const std::int16_t& year, const std::string& monthName, const std::int16_t& day,
                      std::string& weekdayName) {
    const int sum = MonthCode(year, monthName) + day;
    if (sum > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("weekday sum does not fit in 16 bits");
    }
    if (sum < kLowestSum || sum > kHighestSum) {
        return;
    }
    weekdayName = kWeekdayBySumRemainder[static_cast<std::size_t>((sum - 1) % 7)];
}

} // namespace seraphel
