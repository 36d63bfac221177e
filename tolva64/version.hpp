#pragma once
// The version of tolva64: the banner shows it, and so does --version.
namespace tolva64 {

inline constexpr const char* kVersion = "4.2";

}  // namespace tolva64
