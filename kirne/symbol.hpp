#pragma once
#include <string>

namespace kirne {

// A 2-character element symbol ("FE", "O "); empty only while being read.
using Symbol = std::string;

}  // namespace kirne
