#pragma once
// The words of a line: runs of characters between blanks and tabs, as a
// console answer or a card line of a FEFF input is split.
#include <string_view>
#include <vector>

namespace common {

// "  Fe\tO  Zr " gives "Fe", "O", "Zr"; the views point into `line`.
std::vector<std::string_view> split_words(std::string_view line);

}  // namespace common
