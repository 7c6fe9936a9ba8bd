#include "InputCheck.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace seraphel {
namespace {

constexpr int kFebruary = 1;
constexpr std::array<int, 4> kThirtyDayMonths{3, 5, 8, 10}; // April, June, September, November
constexpr int kDay29 = 28;                                  // list positions
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;

int YearNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    return error == std::errc{} && end == text.data() + text.size() ? year : 0;
}

} // namespace

InputProblem CheckBirthInput(std::string_view name, std::string_view yearText, int monthPosition, int dayPosition) {
    if (name.empty()) {
        return InputProblem::MissingName;
    }
    if (monthPosition == kFebruary) {
        const int firstBadDay = YearNumber(yearText) % 4 == 0 ? kDay30 : kDay29; // leap years have day 29
        if (dayPosition >= firstBadDay && dayPosition <= kDay31) {
            return InputProblem::BadFebruaryDay;
        }
    }
    if (dayPosition == kDay31 && std::ranges::count(kThirtyDayMonths, monthPosition) > 0) {
        return InputProblem::BadThirtyDayMonthDay;
    }
    return InputProblem::None;
}

} // namespace seraphel
