#include "kirne/run_stop.hpp"

#include <cstdio>

#include "common/failure.hpp"
#include "common/text_output.hpp"
#include "kirne/console_dialog.hpp"

namespace kirne {

void stop_run(const RunStop& stop) {
  common::TextOutput::standard_output().write(stop.line).end_line();
  // Standard output first: a console that shows both streams then shows
  // the run's lines in their order, the copy last.
  common::TextOutput::standard_output().flush();
  // Byte for byte, as on standard output: a line that shows a trajectory's
  // text may hold any byte, a NUL too.
  std::fwrite(stop.line.data(), 1, stop.line.size(), stderr);
  std::fputc('\n', stderr);
  if (stop.pause_after) pause_for_enter();
  common::stop_program(kStoppedExitCode);
}

}  // namespace kirne
