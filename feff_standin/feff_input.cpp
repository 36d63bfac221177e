#include "feff_standin/feff_input.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

#include "common/words.hpp"

namespace feff_standin {
namespace {

enum class Section { None, Potentials, Atoms };

constexpr double kMaxKmax = 100.0;  // Å^-1

bool read_real(std::string_view word, double& value) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  const char* end = word.data() + word.size();
  auto result = std::from_chars(word.data(), end, value);
  return !word.empty() && result.ec == std::errc() && result.ptr == end &&
         std::isfinite(value);
}

bool read_int(std::string_view word, int& value) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  const char* end = word.data() + word.size();
  auto result = std::from_chars(word.data(), end, value);
  return !word.empty() && result.ec == std::errc() && result.ptr == end;
}

// Lines of the potential and atom lists start like a number; cards start with
// a letter.
bool starts_like_number(std::string_view word) {
  const char c = word.front();
  return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.';
}

std::string upper(std::string_view word) {
  std::string out(word);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

[[noreturn]] void fail_at(int line, const std::string& what) {
  throw InputError("feff.inp line " + std::to_string(line) + ": " + what);
}

double card_value(const std::vector<std::string_view>& words, int line, double min_value) {
  double value = 0.0;
  if (words.size() < 2 || !read_real(words[1], value) || !(value >= min_value)) {
    fail_at(line, "card " + upper(words[0]) + " needs a number of at least " +
                      std::to_string(min_value));
  }
  return value;
}

std::string title_text(std::string_view line) {
  std::size_t pos = line.find_first_not_of(" \t");
  pos = line.find_first_of(" \t", pos);
  if (pos == std::string_view::npos) return "";
  pos = line.find_first_not_of(" \t", pos);
  return pos == std::string_view::npos ? "" : std::string(line.substr(pos));
}

Section read_card(const std::vector<std::string_view>& words, std::string_view line_text,
                  int line, FeffInput& input) {
  const std::string card = upper(words[0]);
  if (card == "TITLE") {
    input.titles.push_back(title_text(line_text));
  } else if (card == "EDGE") {
    if (words.size() < 2 || !parse_edge(std::string(words[1]), input.edge)) {
      fail_at(line, "card EDGE needs K, L1, L2 or L3");
    }
  } else if (card == "HOLE") {
    // The older way of giving the edge (by hole number) and S02 on one card.
    if (words.size() < 2 || !parse_edge(std::string(words[1]), input.edge)) {
      fail_at(line, "card HOLE needs a hole number 1 to 4");
    }
    if (words.size() >= 3) input.s02 = card_value({words[0], words[2]}, line, 0.0);
  } else if (card == "S02") {
    input.s02 = card_value(words, line, 0.0);
  } else if (card == "RMAX") {
    input.rmax = card_value(words, line, 0.0);
  } else if (card == "SIG2") {
    input.sig2 = card_value(words, line, 0.0);
  } else if (card == "EXAFS") {
    if (words.size() >= 2) input.kmax = card_value(words, line, 0.05);
    // Beyond this the grid would hold millions of rows, or more than an int counts.
    if (input.kmax > kMaxKmax) fail_at(line, "card EXAFS allows a kmax of at most 100");
  } else if (card == "POTENTIALS") {
    return Section::Potentials;
  } else if (card == "ATOMS") {
    return Section::Atoms;
  }
  return Section::None;
}

void read_potential(const std::vector<std::string_view>& words, int line, FeffInput& input) {
  int ipot = 0;
  int z = 0;
  if (words.size() < 2 || !read_int(words[0], ipot) || !read_int(words[1], z) || z < 1) {
    fail_at(line, "unreadable potential line (expected: ipot Z tag)");
  }
  input.atomic_number[ipot] = z;
}

void read_atom(const std::vector<std::string_view>& words, int line, FeffInput& input) {
  Atom atom;
  atom.line = line;
  if (words.size() < 4 || !read_real(words[0], atom.x) || !read_real(words[1], atom.y) ||
      !read_real(words[2], atom.z) || !read_int(words[3], atom.ipot)) {
    fail_at(line, "unreadable atom line (expected: x y z ipot)");
  }
  input.atoms.push_back(atom);
}

}  // namespace

bool parse_edge(const std::string& word, Edge& edge) {
  const std::string w = upper(word);
  if (w == "K" || w == "1") {
    edge = Edge::K;
  } else if (w == "L1" || w == "2") {
    edge = Edge::L1;
  } else if (w == "L2" || w == "3") {
    edge = Edge::L2;
  } else if (w == "L3" || w == "4") {
    edge = Edge::L3;
  } else {
    return false;
  }
  return true;
}

const char* edge_name(Edge edge) {
  switch (edge) {
    case Edge::K: return "K";
    case Edge::L1: return "L1";
    case Edge::L2: return "L2";
    case Edge::L3: return "L3";
  }
  return "?";
}

FeffInput parse_feff_input(const std::string& text) {
  FeffInput input;
  Section section = Section::None;
  std::size_t start = 0;
  for (int line = 1; start < text.size(); ++line) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line_text(text.data() + start, end - start);
    start = end + 1;
    if (!line_text.empty() && line_text.back() == '\r') line_text.remove_suffix(1);
    const auto words = common::split_words(line_text);
    if (words.empty() || words[0].front() == '*') continue;
    if (!starts_like_number(words[0])) {
      if (upper(words[0]) == "END") break;
      section = read_card(words, line_text, line, input);
    } else if (section == Section::Potentials) {
      read_potential(words, line, input);
    } else if (section == Section::Atoms) {
      read_atom(words, line, input);
    }
    // Number lines under cards the stand-in does not know are passed over.
  }
  return input;
}

}  // namespace feff_standin
