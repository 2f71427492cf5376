// Small text and number helpers shared by every subsystem.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vextor {

// Leading-number rule: leading blanks skipped, then an optional sign, digits
// and at most one decimal point up to the first other character. Nothing
// readable gives 0 ("  12abc" -> 12, "x" -> 0, "-3.5," -> -3.5).
double leadingNumber(std::string_view text);

// The leading number rounded half-to-even and clamped into the 32-bit range,
// so that huge or damaged values never overflow.
std::int32_t leadingInt(std::string_view text);

// Round to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Numbers written plain ("7", "-7") or with one leading space for
// non-negative values (" 7", "-7").
std::string plainNumber(long long value);
std::string spacedNumber(long long value);

std::string trim(std::string_view text);
std::string upper(std::string_view text);
// Split at every occurrence of sep; "a,b," gives {"a", "b", ""}.
std::vector<std::string> split(std::string_view text, char sep);

// Date and time as "mm-dd-yyyy hh:mm:ss" (local time).
std::string dateTimeText(std::chrono::system_clock::time_point when);
std::string dateTimeNow();

} // namespace vextor
