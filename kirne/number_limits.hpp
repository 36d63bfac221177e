#pragma once
// The numbers a run takes: coordinates that are finite and within 1e6 A of
// the origin, and a finite Rmax. A NaN would pass for an atom nowhere and a
// coordinate of 1e150 would overflow every squared distance, so the run
// stops on them, naming where they stand, instead of writing clusters of
// placeholders or missing the absorber.
#include <cmath>
#include <cstdint>
#include <string>

#include "kirne/run_stop.hpp"

namespace kirne {

inline constexpr double kFarthestCoordinate = 1.0e6;  // angstrom, either sign

// False for NaN, infinities and anything beyond kFarthestCoordinate.
inline bool usable_position(double x, double y, double z) {
  return std::fabs(x) <= kFarthestCoordinate && std::fabs(y) <= kFarthestCoordinate &&
         std::fabs(z) <= kFarthestCoordinate;
}

// Where an atom with an unusable position stands in the trajectory.
struct AtomPlace {
  std::string path;        // FILENAME
  std::int32_t frame = 0;  // NCL, from 1
  std::int64_t atom = 0;   // its number in the frame, from 1
  std::int64_t line = 0;   // its line in the file, from 1
  std::string line_text;   // that line, without its line end
};

// " Configuration 3 of md.xyz, atom 2 on line 7 \"Fe 0 1e150 0\": a
// coordinate lies beyond 1e6 A or is no number !!!"
RunStop unusable_position_stop(const AtomPlace& place);

// A stop when Rmax is NaN or infinite: no atom could be tested against it.
MaybeStop check_cluster_radius(double cluster_radius);

// A number as a sentence shows it: the shortest text that reads back the
// same ("6", "0.25", "nan", "inf").
std::string message_number(double value);

}  // namespace kirne
