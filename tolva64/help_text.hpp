#pragma once
// What tolva64 says about itself: the text of --help and of --version.
#include <string>

namespace tolva64 {

std::string help_text();

// "tolva64 4.2" and a line end.
std::string version_text();

}  // namespace tolva64
