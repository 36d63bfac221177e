#include "kirne/run_stop.hpp"

#include <cstdio>

#include "common/failure.hpp"
#include "common/text_output.hpp"
#include "kirne/console_dialog.hpp"

namespace kirne {

void stop_run(const RunStop& stop) {
  common::TextOutput::standard_output().write(stop.line).end_line();
  if (stop.exit_code != 0) {
    common::TextOutput::standard_output().flush();
    std::fprintf(stderr, "%s\n", stop.line.c_str());
  }
  if (stop.pause_after) pause_for_enter();
  common::stop_program(stop.exit_code);
}

}  // namespace kirne
