// The real and integer syntax of the text files. Library parsers accept more
// (hexadecimal floats, "Infinity", a leading "+") and less (a mantissa without
// digits, an exponent without digits), so the token's form is checked here and
// only the decimal value itself is left to std::from_chars.
#include "common/number_syntax.hpp"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <charconv>
#include <limits>
#include <locale.h>
#include <string>
#include <system_error>

namespace common {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool equals_word(std::string_view text, std::string_view lower_word) {
  if (text.size() != lower_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower_word[i]) return false;
  }
  return true;
}

// The value of a decimal number that has at least one mantissa digit. The
// range holds digits, at most one point and an exponent with digits.
double decimal_value(const char* first, const char* last) {
  double value = 0.0;
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone on overflow and underflow; strtod
    // gives the IEEE results (infinity, the zero or smallest subnormal).
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string copy(first, last);
    return strtod_l(copy.c_str(), nullptr, c_locale);
  }
  (void)end;
  return value;
}

// The form of a real token after its sign: where the mantissa and exponent
// end, and whether the mantissa holds a digit. False when the form is wrong.
struct RealForm {
  const char* mantissa_end = nullptr;
  const char* exponent_end = nullptr;  // == mantissa_end without exponent digits
  bool has_digit = false;
};

bool scan_real_form(const char* p, const char* last, RealForm& form) {
  bool seen_point = false;
  for (; p < last; ++p) {
    if (is_digit(*p)) {
      form.has_digit = true;
    } else if (*p == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  form.mantissa_end = p;
  form.exponent_end = p;
  if (p == last) return true;
  if (*p != 'e' && *p != 'E') return false;
  ++p;
  if (p == last) return false;  // the exponent letter may not end the token
  if (*p == '+' || *p == '-') ++p;
  const char* digits = p;
  while (p < last && is_digit(*p)) ++p;
  if (p != last) return false;
  if (p != digits) form.exponent_end = p;
  return true;
}

std::optional<double> parse_real_slow(const char* p, const char* last, bool negative) {
  std::string_view rest(p, static_cast<std::size_t>(last - p));
  if (equals_word(rest, "inf")) {
    double inf = std::numeric_limits<double>::infinity();
    return negative ? -inf : inf;
  }
  if (equals_word(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();
  RealForm form;
  if (!scan_real_form(p, last, form)) return std::nullopt;
  double value = form.has_digit ? decimal_value(p, form.exponent_end) : 0.0;
  return negative ? -value : value;
}

}  // namespace

std::optional<double> parse_real(std::string_view token) {
  if (token.empty()) return std::nullopt;  // an empty token is no number, not even zero
  // Most numbers of a trajectory have a few digits and a small exponent.
  double value = 0.0;
  if (plain_decimal(token, value)) return value;
  const char* p = token.data();
  const char* last = p + token.size();
  bool negative = false;
  if (p < last && (*p == '+' || *p == '-')) {
    negative = (*p == '-');
    ++p;
  }
  // Next, a plain decimal number that from_chars takes whole: its form is
  // then one the real syntax allows too.
  if (p < last && (is_digit(*p) || *p == '.')) {
    auto [end, ec] = std::from_chars(p, last, value, std::chars_format::general);
    if (ec == std::errc() && end == last) return negative ? -value : value;
  }
  return parse_real_slow(p, last, negative);
}

std::optional<std::int32_t> parse_integer(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = (token[i] == '-');
    ++i;
  }
  int base = 10;
  std::string_view rest = token.substr(i);
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    rest.remove_prefix(2);
  } else if (!rest.empty()) {
    switch (rest.front()) {
      case '$': case 'x': case 'X': base = 16; break;
      case '%': base = 2; break;
      case '&': base = 8; break;
      default: break;
    }
    if (base != 10) rest.remove_prefix(1);
  }
  if (rest.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
  if (ec != std::errc() || end != rest.data() + rest.size()) return std::nullopt;
  const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
  if (magnitude > limit) return std::nullopt;
  std::int64_t value = static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace common
