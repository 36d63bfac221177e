#pragma once
// The run mode, the argument list and the 2-character form of atom types.
#include <string>
#include <string_view>
#include <vector>

#include "kirne/run_state.hpp"

namespace kirne {

// "test"/"TEST" anywhere in the arguments selects test mode, else
// "int"/"INT" interactive mode, else the argument list is used.
RunMode decide_run_mode(const std::vector<std::string>& args);

// Argument-list mode: with six or more arguments, takes the name, skips,
// Rmax, absorber choice and types by position; fewer are ignored. More
// types than the table holds stop the run before anything is written.
void read_argument_list(RunState& state, const std::vector<std::string>& args);

// The first two characters of a type, a lone character padded with a blank,
// the second character in upper case: Fe -> "FE", O -> "O ", fe -> "fE".
Symbol type_form(std::string_view text);

// Stops the run when `count` types would not fit the type table.
void require_type_table_room(long long count);

}  // namespace kirne
