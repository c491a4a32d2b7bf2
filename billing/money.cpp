#include "billing/money.h"

#include <algorithm>

#include "dates/ascii.h"
#include "platform/translate.h"

namespace tw {

AmountReading ReadAmount(std::string_view text, DecimalMark mark) {
  const std::string_view t = Trimmed(text);
  const auto refuse = [&](std::string why) { return AmountReading{std::nullopt, std::move(why)}; };
  if (t.empty()) return refuse(Tr("Money", "No amount was given."));
  if (t.front() == '-') return refuse(Tr("Money", "An amount cannot be negative."));
  Cents whole = 0;
  std::size_t i = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i) {
    whole = whole * 10 + (t[i] - '0');
    if (whole > kMaxAmount / 100) return refuse(Arg(Tr("Money", "The amount %1 is too large (at most %2)."), {t, AmountText(kMaxAmount)}));
  }
  if (i == 0) return refuse(Arg(Tr("Money", "\"%1\" is not an amount: write it like 85 or 85%250."), {t, "."}));
  Cents cents = 0;
  if (i < t.size()) {
    const bool separator = t[i] == '.' || (t[i] == ',' && mark == DecimalMark::Comma);
    const std::size_t decimals = t.size() - i - 1;
    if (!separator || decimals == 0 || !std::all_of(t.begin() + static_cast<std::ptrdiff_t>(i) + 1, t.end(), IsDigit))
      return refuse(Arg(Tr("Money", "\"%1\" is not an amount: write it like 85 or 85%250, without thousands separators."),
                        {t, mark == DecimalMark::Comma ? "," : "."}));
    if (decimals > 2) return refuse(Arg(Tr("Money", "An amount has at most two decimals: %1."), {t}));
    cents = (t[i + 1] - '0') * 10 + (decimals == 2 ? t[i + 2] - '0' : 0);
  }
  return {whole * 100 + cents, {}};
}

std::string AmountText(Cents cents, std::string_view separator) {
  // The magnitude unsigned, so that the most negative number has one.
  const std::uint64_t magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
  std::string out = cents < 0 ? "-" : "";
  out += std::to_string(magnitude / 100);
  out += separator;
  out += static_cast<char>('0' + magnitude / 10 % 10);
  out += static_cast<char>('0' + magnitude % 10);
  return out;
}

Cents AmountOf(std::int64_t seconds, Cents centsPerHour) {
  if (seconds < 0) return -AmountOf(-seconds, centsPerHour);
  // Whole hours are exact; the rest of an hour times the rate stays below 3600 x kMaxAmount.
  const std::int64_t hours = seconds / 3600, rest = seconds % 3600;
  return hours * centsPerHour + (rest * centsPerHour + 1800) / 3600;
}

std::int64_t HundredthsOfHour(std::int64_t seconds) {
  return seconds < 0 ? -HundredthsOfHour(-seconds) : (seconds + 18) / 36;
}

std::string HoursText(std::int64_t seconds, std::string_view separator) {
  return AmountText(HundredthsOfHour(seconds), separator);
}

Cents AmountOfHundredths(std::int64_t hundredths, Cents centsPerHour) {
  return hundredths / 100 * centsPerHour + (hundredths % 100 * centsPerHour + 50) / 100;
}

}  // namespace tw
