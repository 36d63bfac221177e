#include "tolva64/feff_output.hpp"

#include <initializer_list>
#include <string_view>

#include "common/text_input.hpp"

namespace tolva64 {

namespace {

// Passes the header up to and including the line that holds one of the
// headings. False when the file ends first: the search never runs past it.
bool skip_header(common::TextInput& in, std::initializer_list<std::string_view> headings) {
  while (!in.at_eof()) {
    std::string line = in.read_until_cr_or_lf();
    in.skip_past_cr_or_lf();
    for (std::string_view heading : headings) {
      if (line.find(heading) != std::string::npos) return true;
    }
  }
  return false;
}

// Reads rows of `columns` reals until the end of the file; the grid is the
// first column and the value the last. Missing numbers come from the next
// line, as the number reads pass line ends.
std::optional<Spectrum> read_spectrum(const std::string& path,
                                      std::initializer_list<std::string_view> headings,
                                      int columns) {
  common::TextInput in = common::TextInput::open_file(path);
  if (!skip_header(in, headings)) {
    in.close();
    return std::nullopt;
  }
  Spectrum spectrum;
  while (!in.at_eof()) {
    spectrum.grid.push_back(in.read_real());
    double value = 0.0;
    for (int column = 2; column <= columns; ++column) value = in.read_real();
    spectrum.value.push_back(value);
    in.skip_past_cr_or_lf();
  }
  in.close();
  return spectrum;
}

}  // namespace

std::optional<Spectrum> read_chi_file(const std::string& path) {
  return read_spectrum(path, {kChiHeading}, 2);
}

std::optional<Spectrum> read_xmu_file(const std::string& path) {
  return read_spectrum(path, {kXmuHeading, kXmuHeadingNewer}, 4);
}

}  // namespace tolva64
