#pragma once
// The text of tolva64 --help.
#include <string>

namespace tolva64 {

std::string help_text();

}  // namespace tolva64
