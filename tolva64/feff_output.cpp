#include "tolva64/feff_output.hpp"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "common/number_syntax.hpp"
#include "common/text_input.hpp"

namespace tolva64 {

namespace {

struct Layout {
  std::initializer_list<std::string_view> headings;
  int columns;       // numbers read from each row
  int k_column;      // 1-based
  int value_column;  // 1-based
};

bool holds_heading(const std::string& line, const Layout& layout) {
  for (std::string_view heading : layout.headings) {
    if (line.find(heading) != std::string::npos) return true;
  }
  return false;
}

// The first `count` blank-separated numbers of a line, each finite; nothing
// when one is missing or is no number.
std::optional<std::vector<double>> leading_numbers(const std::string& line, int count) {
  std::vector<double> numbers;
  std::size_t at = 0;
  while (static_cast<int>(numbers.size()) < count) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string::npos) return std::nullopt;
    std::size_t end = line.find_first_of(" \t", at);
    if (end == std::string::npos) end = line.size();
    std::optional<double> number = common::parse_real(std::string_view(line).substr(at, end - at));
    if (!number || !std::isfinite(*number)) return std::nullopt;
    numbers.push_back(*number);
    at = end;
  }
  return numbers;
}

std::string base_name(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Reads the lines in turn; the header up to the heading, then the rows. The
// first fault ends the reading with its description.
FeffReading read_feff_file(const std::string& path, const Layout& layout) {
  common::TextInput in = common::TextInput::open_file(path);
  const std::string name = base_name(path);
  FeffReading reading;
  bool in_rows = false;
  for (int line_number = 1; !in.at_eof() && reading.good(); ++line_number) {
    std::string line = in.read_until_cr_or_lf();
    // FEFF ends every line it writes; a last line without its end was cut off.
    if (in.at_eof()) {
      reading.problem = name + " is cut short in line " + std::to_string(line_number);
      break;
    }
    in.skip_past_cr_or_lf();
    if (!in_rows) {
      in_rows = holds_heading(line, layout);
      continue;
    }
    std::optional<std::vector<double>> numbers = leading_numbers(line, layout.columns);
    if (!numbers) {
      reading.problem = name + " line " + std::to_string(line_number) +
                        " has a missing, unreadable or non-finite number";
      break;
    }
    reading.spectrum.grid.push_back((*numbers)[0]);
    reading.k.push_back((*numbers)[layout.k_column - 1]);
    reading.spectrum.value.push_back((*numbers)[layout.value_column - 1]);
  }
  in.close();
  if (reading.good() && !in_rows) reading.problem = name + " has no column heading";
  if (reading.good() && reading.spectrum.rows() == 0) {
    reading.problem = name + " has no rows after its column heading";
  }
  return reading;
}

}  // namespace

FeffReading read_chi_file(const std::string& path) {
  return read_feff_file(path, Layout{{kChiHeading}, 2, 1, 2});
}

FeffReading read_xmu_file(const std::string& path) {
  return read_feff_file(path, Layout{{kXmuHeading, kXmuHeadingNewer}, 4, 3, 4});
}

}  // namespace tolva64
