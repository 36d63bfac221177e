#pragma once
// Expected distribution tables, spelled out from the bin numbers alone.
#include <map>
#include <string>

namespace expected {

inline const std::string ZERO = " 0.0000000000000000E+000";

// "   8.00000" for bin 800: the length I * 0.01 with five decimals in 10.
inline std::string length_field(int bin) {
  std::string text = std::to_string(bin / 100) + "." + std::to_string(bin / 10 % 10) +
                     std::to_string(bin % 10) + "000";
  return std::string(10 - text.size(), ' ') + text;
}

// Rows 1..rows, zero except where `values` says otherwise; CR LF ends.
inline std::string table(int rows, const std::map<int, std::string>& values = {}) {
  std::string text;
  for (int bin = 1; bin <= rows; ++bin) {
    const auto found = values.find(bin);
    text += (found == values.end() ? ZERO : found->second) + " " + length_field(bin) + "\r\n";
  }
  return text;
}

}  // namespace expected
