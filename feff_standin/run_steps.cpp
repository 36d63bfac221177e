#include "feff_standin/run_steps.hpp"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "feff_standin/edge_energies.hpp"

namespace feff_standin {

std::string read_input_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError("cannot open " + path);
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw InputError("cannot read " + path);
  return text.str();
}

double absorber_edge_energy(int absorber_z, Edge edge) {
  const double e0 = edge_energy(absorber_z, edge);
  if (e0 <= 0.0) {
    throw InputError("no " + std::string(edge_name(edge)) + " edge energy for Z=" +
                     std::to_string(absorber_z) + " in the built-in table (Z = 1.." +
                     std::to_string(kMaxTabulatedZ) + ")");
  }
  return e0;
}

double requested_delay(const char* value) {
  if (value == nullptr || *value == '\0') return 0.0;
  char* end = nullptr;
  const double seconds = std::strtod(value, &end);
  if (*end != '\0' || !std::isfinite(seconds) || seconds <= 0.0) return 0.0;
  return seconds;
}

void sleep_seconds(double seconds) {
  if (seconds > 0.0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace feff_standin
