#include "kirne/extended_xyz_lattice.hpp"

#include <vector>

#include "common/number_syntax.hpp"

namespace kirne {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// One key or value from position i: quoted text with its escapes, or the
// bare text up to a blank or (for a key) an equals sign.
std::string take_word(std::string_view line, std::size_t& i, bool key) {
  std::string word;
  if (i < line.size() && line[i] == '"') {
    for (++i; i < line.size() && line[i] != '"'; ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) ++i;
      word += line[i];
    }
    if (i < line.size()) ++i;  // the closing quote
    return word;
  }
  while (i < line.size() && !blank(line[i]) && !(key && line[i] == '=')) word += line[i++];
  return word;
}

void skip_blanks(std::string_view line, std::size_t& i) {
  while (i < line.size() && blank(line[i])) ++i;
}

bool is_lattice_key(const std::string& key) {
  static const char kName[] = "lattice";
  if (key.size() != sizeof kName - 1) return false;
  for (std::size_t k = 0; k < key.size(); ++k) {
    if ((key[k] | 0x20) != kName[k]) return false;
  }
  return true;
}

LatticeReading cell_of(const std::string& value) {
  std::vector<double> numbers;
  std::size_t i = 0;
  for (skip_blanks(value, i); i < value.size(); skip_blanks(value, i)) {
    std::size_t start = i;
    while (i < value.size() && !blank(value[i])) ++i;
    std::optional<double> number =
        common::parse_real(std::string_view(value).substr(start, i - start));
    if (!number)
      return {std::nullopt, "Lattice=\"" + value + "\" holds something that is no number"};
    numbers.push_back(*number);
  }
  if (numbers.size() != 9) {
    return {std::nullopt, "Lattice=\"" + value + "\" needs 9 numbers, the three cell vectors"};
  }
  const auto& n = numbers;
  std::optional<PeriodicCell> cell =
      PeriodicCell::from_edges({n[0], n[1], n[2]}, {n[3], n[4], n[5]}, {n[6], n[7], n[8]});
  if (!cell) return {std::nullopt, "Lattice=\"" + value + "\" spans no volume"};
  return {cell, ""};
}

}  // namespace

LatticeReading read_lattice(std::string_view comment) {
  std::size_t i = 0;
  for (skip_blanks(comment, i); i < comment.size(); skip_blanks(comment, i)) {
    const std::size_t before = i;
    const std::string key = take_word(comment, i, true);
    skip_blanks(comment, i);
    if (i >= comment.size() || comment[i] != '=') {
      if (i == before) ++i;  // a lone equals sign or quote: never stand still
      continue;              // a flag, or text that is no pair
    }
    ++i;
    skip_blanks(comment, i);
    const std::string value = take_word(comment, i, false);
    if (is_lattice_key(key)) return cell_of(value);
  }
  return {};
}

}  // namespace kirne
