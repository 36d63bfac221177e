#include "kirne/number_limits.hpp"

#include <charconv>

namespace kirne {

RunStop unusable_position_stop(const AtomPlace& place) {
  return RunStop{" Configuration " + std::to_string(place.frame) + " of " + place.path + ", atom " +
                 std::to_string(place.atom) + " on line " + std::to_string(place.line) + " \"" +
                 place.line_text + "\": a coordinate lies beyond 1e6 A or is no number !!!"};
}

MaybeStop check_cluster_radius(double cluster_radius) {
  if (std::isfinite(cluster_radius)) return std::nullopt;
  return RunStop{" Rmax must be a finite number of angstrom, not " +
                 message_number(cluster_radius) + " !!!"};
}

std::string message_number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace kirne
