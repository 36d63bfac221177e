#include "common/words.hpp"

namespace common {

std::vector<std::string_view> split_words(std::string_view line) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && blank(line[pos])) ++pos;
    std::size_t end = pos;
    while (end < line.size() && !blank(line[end])) ++end;
    if (end > pos) words.push_back(line.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

}  // namespace common
