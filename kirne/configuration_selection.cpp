#include "kirne/configuration_selection.hpp"

namespace kirne {

bool ConfigurationSelection::use_next() {
  if (skip_first_left_ > 0) {
    skip_first_left_ -= 1;
    return false;
  }
  passed_ += 1;
  if (passed_ != skip_between_) return false;
  passed_ = -1;
  return true;
}

}  // namespace kirne
