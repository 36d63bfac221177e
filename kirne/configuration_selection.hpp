#pragma once
// Which configurations a run uses: after the first skip_first, every
// (skip_between + 1)-th one.
#include <cstdint>

namespace kirne {

class ConfigurationSelection {
 public:
  ConfigurationSelection(std::int32_t skip_first, std::int32_t skip_between)
      : skip_first_left_(skip_first), skip_between_(skip_between) {}

  // Called once for each configuration read, in order: true when it is used.
  bool use_next();

 private:
  std::int32_t skip_first_left_;  // SKIPFIRST, counted down
  std::int32_t skip_between_;     // SKIP
  std::int32_t passed_ = -1;      // ISKIP: configurations passed since the last used one
};

}  // namespace kirne
