#include "tolva64/absent_potentials.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/number_syntax.hpp"
#include "common/text_input.hpp"

namespace tolva64 {

namespace {

struct Word {
  std::size_t start = std::string::npos;
  std::size_t end = std::string::npos;
};

Word word_at(const std::string& line, std::size_t from) {
  Word word;
  word.start = line.find_first_not_of(" \t", from);
  if (word.start == std::string::npos) return word;
  word.end = line.find_first_of(" \t", word.start);
  if (word.end == std::string::npos) word.end = line.size();
  return word;
}

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::optional<FeffRadius> feff_radius(const std::string& template_path) {
  common::TextInput in = common::TextInput::open_file(template_path);
  std::optional<FeffRadius> radius;
  while (!in.at_eof() && !radius) {
    std::string line = in.read_until_cr_or_lf();
    in.skip_past_cr_or_lf();
    Word card = word_at(line, 0);
    if (card.start == std::string::npos) continue;
    if (upper(line.substr(card.start, card.end - card.start)) != "RMAX") continue;
    Word number = word_at(line, card.end);
    if (number.start == std::string::npos) continue;
    std::string text = line.substr(number.start, number.end - number.start);
    std::optional<double> value = common::parse_real(text);
    if (value && std::isfinite(*value)) radius = FeffRadius{*value, text};
  }
  in.close();
  return radius;
}

std::vector<int> absent_potentials(const PotentialMap& map, const ClusterAtoms& atoms,
                                   double radius) {
  std::set<int> absent;
  for (int j = 1; j <= map.count; ++j) {
    if (map.feff_potential[j] >= 0) absent.insert(map.feff_potential[j]);
  }
  for (std::size_t i = 0; i < atoms.count() && !absent.empty(); ++i) {
    double x = atoms.x[i];
    double y = atoms.y[i];
    double z = atoms.z[i];
    bool near = std::sqrt((x * x + y * y) + z * z) <= radius;
    if (near) absent.erase(potential_of(atoms.type[i], map));
  }
  return std::vector<int>(absent.begin(), absent.end());
}

std::string potentials_text(const std::vector<int>& potentials) {
  std::string text = potentials.size() == 1 ? "potential " : "potentials ";
  for (std::size_t i = 0; i < potentials.size(); ++i) {
    text += (i == 0 ? "" : ", ") + std::to_string(potentials[i]);
  }
  return text;
}

int PotentialRenumbering::renumbered(int potential) const {
  if (std::find(absent_.begin(), absent_.end(), potential) != absent_.end()) return -1;
  auto below = std::count_if(absent_.begin(), absent_.end(),
                             [&](int left_out) { return left_out < potential; });
  return potential - static_cast<int>(below);
}

// A card starts with a letter; a line starting with "*" is a comment, and
// blank lines pass; any other line inside the POTENTIALS card is a potential
// line, "ipot Z tag ...". The new number ends where the old one did.
std::optional<std::string> PotentialsCardEditor::edit(const std::string& line) {
  Word first = word_at(line, 0);
  if (first.start == std::string::npos || line[first.start] == '*') return line;
  if (is_letter(line[first.start])) {
    in_card_ = upper(line.substr(first.start, first.end - first.start)) == "POTENTIALS";
    return line;
  }
  if (!in_card_) return line;
  std::optional<std::int32_t> potential =
      common::parse_integer(std::string_view(line).substr(first.start, first.end - first.start));
  if (!potential) return line;
  int renumbered = renumbering_.renumbered(*potential);
  if (renumbered < 0) return std::nullopt;
  std::string number = std::to_string(renumbered);
  std::size_t width = first.end - first.start;
  if (number.size() < width) number.insert(0, width - number.size(), ' ');
  return line.substr(0, first.start) + number + line.substr(first.end);
}

}  // namespace tolva64
