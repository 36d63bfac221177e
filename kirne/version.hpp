#pragma once
// The version that the banner and kirne --version show.

namespace kirne {

inline constexpr const char* kVersion = "6.1";

}  // namespace kirne
