#pragma once
// How far the walk over the trajectory has got: the end-of-run statistics,
// and the two counts that the distribution tables are divided by.
#include <cstdint>

namespace kirne {

struct RunCounts {
  std::int32_t configurations_read = 0;     // NCL while reading
  std::int32_t configurations_used = 0;     // NCL2, and NCL when the tables are written
  std::int32_t absorbers_in_last_used = 0;  // NCL3: absorbers of the last used configuration
};

}  // namespace kirne
