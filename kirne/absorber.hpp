#pragma once
// The absorber a cluster is cut around, in the configuration at hand.
#include <cstdint>
#include <string>

namespace kirne {

struct Absorber {
  std::int32_t number = 1;  // NAT0: its atom number, from 1
  // NCLST2: empty with one absorber per configuration, else "_" and its
  // atom number, so that every absorber's cluster has a name of its own.
  std::string label;
  double x = 0.0, y = 0.0, z = 0.0;  // X0, Y0, Z0 once the absorber is set

  std::size_t index() const { return static_cast<std::size_t>(number) - 1; }
};

}  // namespace kirne
