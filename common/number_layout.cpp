// The number layouts. Every real layout starts from the digit string of the
// value (at most 17 or 10 significant digits) and rounds it once more by the
// second rounding rule, so the text follows from the digit string alone.
#include "common/number_layout.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace common {

namespace {

constexpr std::size_t kLongestFixedText = 255;

void drop_trailing_zeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

std::string right_justified(std::string text, int width) {
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

std::string special_text(double v, int width) {
  if (std::isnan(v)) return right_justified("Nan", width);
  return right_justified(v < 0 ? "-Inf" : "+Inf", width);
}

// True when a dropped 4 still rounds up: the 17-digit form lies just below a
// half (0.000215 has the digit string 21499999999999999).
bool dropped_four_rounds_up(const std::string& digits, std::size_t cut) {
  std::size_t n = digits.size();
  if (n < cut + 4) return false;  // fewer than three digits follow the 4
  for (std::size_t i = cut + 1; i + 2 < n; ++i) {
    if (digits[i] != '9') return false;
  }
  return digits[n - 2] == '8' || digits[n - 2] == '9';
}

// The second rounding rule: keeps `keep` leading digits (none when the cut
// lies in front of the first digit, which leaves zero).
DigitString round_to(DigitString ds, int keep) {
  if (keep >= static_cast<int>(ds.digits.size())) return ds;
  if (keep < 0) return DigitString{};
  std::size_t cut = static_cast<std::size_t>(keep);
  char dropped = ds.digits[cut];
  bool up = dropped >= '5' || (dropped == '4' && dropped_four_rounds_up(ds.digits, cut));
  ds.digits.resize(cut);
  if (up) {
    std::size_t i = ds.digits.size();
    while (i > 0 && ds.digits[i - 1] == '9') --i;
    if (i == 0) {
      // The carry passes the first digit: 9.99 becomes 1 of the next power.
      ds.digits.assign(1, '1');
      ds.exponent += 1;
    } else {
      ds.digits.resize(i);
      ds.digits[i - 1] = static_cast<char>(ds.digits[i - 1] + 1);
    }
  }
  drop_trailing_zeros(ds.digits);
  if (ds.digits.empty()) ds.exponent = 0;
  return ds;
}

std::string exponent_text(int exponent) {
  std::string text = exponent < 0 ? "-" : "+";
  std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 3) text.append(3 - digits.size(), '0');
  return text + digits;
}

// d.ddd...E+xxx with m significant digits, the sign position in front.
std::string scientific_text(const DigitString& ds, bool negative, int m, int width) {
  DigitString r = round_to(ds, m);
  std::string text(1, negative ? '-' : ' ');
  text += r.digits.empty() ? '0' : r.digits[0];
  text += '.';
  for (int i = 1; i < m; ++i) {
    std::size_t at = static_cast<std::size_t>(i);
    text += at < r.digits.size() ? r.digits[at] : '0';
  }
  text += 'E';
  text += exponent_text(r.digits.empty() ? 0 : r.exponent);
  return right_justified(std::move(text), width);
}

int significant_digits_for(int width) { return std::clamp(width - 7, 2, 17); }

// The digit of the decimal place 10^place, '0' outside the digit string.
char digit_at(const DigitString& ds, int place) {
  int index = ds.exponent - place;
  if (ds.digits.empty() || index < 0 || index >= static_cast<int>(ds.digits.size())) return '0';
  return ds.digits[static_cast<std::size_t>(index)];
}

std::string fixed_text(const DigitString& ds, bool negative, int decimals) {
  DigitString r = round_to(ds, ds.exponent + 1 + decimals);
  std::string text = negative ? "-" : "";
  int top = r.digits.empty() ? 0 : std::max(r.exponent, 0);
  for (int place = top; place >= 0; --place) text += digit_at(r, place);
  if (decimals > 0) {
    text += '.';
    for (int place = -1; place >= -decimals; --place) text += digit_at(r, place);
  }
  return text;
}

std::string fixed_from_digits(double v, const DigitString& ds, int width, int decimals) {
  if (!std::isfinite(v)) return special_text(v, width);
  bool negative = std::signbit(v);
  std::string text = fixed_text(ds, negative, std::max(decimals, 0));
  if (text.size() > kLongestFixedText) {
    return scientific_text(ds, negative, significant_digits_for(width), width);
  }
  return right_justified(std::move(text), width);
}

}  // namespace

DigitString digit_string(double v, int max_digits) {
  DigitString ds;
  if (v == 0.0 || !std::isfinite(v)) return ds;
  max_digits = std::clamp(max_digits, 1, 17);
  // to_chars rounds the exact binary value to the requested digits, ties to
  // even, which is the digit string before its zeros are dropped.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                              std::chars_format::scientific, max_digits - 1);
  const char* e = std::find(buffer, result.ptr, 'e');
  for (const char* p = buffer; p < e; ++p) {
    if (*p != '.') ds.digits += *p;
  }
  std::from_chars(e[1] == '+' ? e + 2 : e + 1, result.ptr, ds.exponent);
  drop_trailing_zeros(ds.digits);
  return ds;
}

// The 17 digits of the default layout are those of to_chars at 16 decimals,
// so the text is built straight from its output, without a digit string:
// cluster files hold millions of these.
void append_default_layout(double v, std::string& out) {
  if (!std::isfinite(v)) {
    out += special_text(v, 24);
    return;
  }
  char text[40];
  text[0] = std::signbit(v) ? '-' : ' ';
  const auto result =
      std::to_chars(text + 1, text + sizeof text, std::fabs(v), std::chars_format::scientific, 16);
  const char* e = std::find(text + 1, result.ptr, 'e');
  int exponent = 0;
  std::from_chars(e[1] == '+' ? e + 2 : e + 1, result.ptr, exponent);
  out.append(text, static_cast<std::size_t>(e - text));
  out += 'E';
  out += exponent_text(exponent);
}

std::string default_layout(double v) {
  std::string text;
  append_default_layout(v, text);
  return text;
}

std::string scientific_layout(double v, int width) {
  if (!std::isfinite(v)) return special_text(v, width);
  return scientific_text(digit_string(v, 17), std::signbit(v), significant_digits_for(width),
                         width);
}

std::string fixed_layout(double v, int width, int decimals) {
  return fixed_from_digits(v, digit_string(v, 17), width, decimals);
}

std::string fixed_layout_single(float v, int width, int decimals) {
  double exact = static_cast<double>(v);
  return fixed_from_digits(exact, digit_string(exact, 10), width, decimals);
}

std::string integer_layout(std::int64_t v, int width) {
  return right_justified(std::to_string(v), width);
}

}  // namespace common
