#pragma once
// The run mode and, in argument-list mode, every parameter from the
// command line.
#include <string>
#include <vector>

#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// "test"/"TEST" anywhere in the arguments selects test mode, else
// "int"/"INT" interactive mode, else the argument list is used.
RunMode decide_run_mode(const std::vector<std::string>& args);

// Takes the options off the front (run_options.hpp), then sets the run
// mode and, in argument-list mode with six or more arguments,
// the name, skips, Rmax, absorber choice and types by position; fewer are
// ignored, and a number that cannot be read is 0. Both are said in
// `warnings`, one line each for standard error. Too many types stop the run
// before anything is written.
MaybeStop read_command_line(std::vector<std::string> args, RunParameters& parameters,
                            std::vector<std::string>& warnings);

}  // namespace kirne
