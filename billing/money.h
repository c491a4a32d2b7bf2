#pragma once
// Amounts of money, exact in whole cents (no floating point anywhere): reading what the user
// types, writing with two decimals, and the amount of a length of time at an hourly rate.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

using Cents = std::int64_t;

// The largest amount a rate or a budget can be: 999,999,999.99.
inline constexpr Cents kMaxAmount = 99'999'999'999;

// How the user writes the decimals: with a point (and in every file), or with a comma, as the
// regional settings of most of Europe do (a point is then taken as well: "85.50" means the same).
enum class DecimalMark { Point, Comma };

struct AmountReading {
  std::optional<Cents> cents;
  std::string problem;  // why the text is not an amount, for the user; empty when it is
};
// "85", "85.5", "85.50", "1234.56" (blanks around it allowed); not more than two decimals, not
// negative, no thousands separators, at most kMaxAmount.
AmountReading ReadAmount(std::string_view text, DecimalMark mark = DecimalMark::Point);

// Two decimals after the separator: "85.50", "-12.05", "0.00".
std::string AmountText(Cents cents, std::string_view separator = ".");

// The amount of `seconds` at `centsPerHour`: seconds x rate / 3600, halves of a cent up, computed
// in whole numbers; exact for lengths up to 10^11 seconds and rates up to kMaxAmount. A negative
// length gives the negative of its opposite's amount.
Cents AmountOf(std::int64_t seconds, Cents centsPerHour);

// A length of time in hundredths of an hour, halves up (450 s, 0.125 h, is 13), and as text with
// two decimals after the separator ("0.13", "37.50"): the hours every table and file shows.
std::int64_t HundredthsOfHour(std::int64_t seconds);
std::string HoursText(std::int64_t seconds, std::string_view separator = ".");
// What hours written with two decimals (not negative) come to at `centsPerHour`, halves of a cent
// up: a line showing 0.13 h at 92.50 comes to 12.03, whatever the seconds behind the 0.13.
Cents AmountOfHundredths(std::int64_t hundredths, Cents centsPerHour);

}  // namespace tw
