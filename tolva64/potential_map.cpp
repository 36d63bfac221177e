#include "tolva64/potential_map.hpp"

#include "common/text_input.hpp"

namespace tolva64 {

bool read_potential_map(const std::string& path, PotentialMap& map) {
  map.type_index.fill(0);
  map.feff_potential.fill(0);
  map.unmet_mark.fill(0);
  map.count = 0;
  common::TextInput in = common::TextInput::open_file(path);
  while (!in.at_eof()) {
    if (in.read_until_cr_or_lf(1) == " ") {
      // The integer reads pass line ends, so a lone first integer takes its
      // partner from the next line, as the map's users have always relied on.
      std::int32_t type_index = in.read_integer();
      std::int32_t feff_potential = in.read_integer();
      in.skip_past_cr_or_lf();
      if (map.count == kMaxPotentials) return false;
      map.count += 1;
      map.type_index[map.count] = type_index;
      map.feff_potential[map.count] = feff_potential;
      map.unmet_mark[map.count] = 1;
    } else {
      in.read_until_cr_or_lf(1);
      in.skip_past_cr_or_lf();
    }
  }
  in.close();
  return true;
}

int potential_of(double type, const PotentialMap& map) {
  int potential = -1;
  for (int j = 1; j <= map.count; ++j) {
    if (type == map.type_index[j]) potential = map.feff_potential[j];
  }
  return potential;
}

}  // namespace tolva64
