#include "kirne/orderly_stop.hpp"

#include "common/failure.hpp"
#include "common/text_output.hpp"

namespace kirne {

void stop_with_line(const std::string& line) {
  common::TextOutput::standard_output().write(line).end_line();
  common::stop_program(0);
}

}  // namespace kirne
