#pragma once
// Running kirne in a fresh directory and the console texts every run shares.
#include <string>
#include <vector>

#include "test_support.hpp"

namespace kirne_e2e {

// kirne run in `dir` with the arguments and the answers on standard input.
test_support::RunResult run_kirne(const test_support::TempDir& dir,
                                  const std::vector<std::string>& args,
                                  const std::string& answers = "");

// kirne run in `dir` with no file allowed to grow past `max_file_bytes`
// (RLIMIT_FSIZE): a write past it fails, as on a full disk. Its console
// output comes through pipes, which the limit leaves alone.
test_support::RunResult run_kirne_with_file_limit(const test_support::TempDir& dir,
                                                  const std::vector<std::string>& args,
                                                  long max_file_bytes);

// The banner and its empty line, then the mode line (if any) and the empty
// line after it, with LF line ends.
std::string banner(const std::string& mode_line = "");

// Lines 5 to 8: number of types, the table, the absorber type.
std::string type_table(int npot, const std::string& types_line, const std::string& central);

// The echo of the name, the skips and Rmax (given in its 24-character layout).
std::string parameter_echo(const std::string& name, int skipfirst, int skip,
                           const std::string& rmax_layout);

// The statistics at the end of the run.
std::string statistics(int total, int used, int absorbers);

// What the distribution output says when G2 is computed.
inline const char* const SAVING_G2 = "Saving G2 (RDF). \nSaving p-RDF. \n";

// A cluster-file line with the three coordinates in the default real layout.
std::string atom(int type, const char* x, const char* y, const char* z);

inline const char* const ZERO = " 0.0000000000000000E+000";
inline const char* const ONE = " 1.0000000000000000E+000";
inline const char* const TWO = " 2.0000000000000000E+000";
inline const char* const MINUS_ONE = "-1.0000000000000000E+000";

}  // namespace kirne_e2e
