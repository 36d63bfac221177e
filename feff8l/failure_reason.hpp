#pragma once
// Reading, out of FEFF's logs, the line that tells why a module failed.
#include <optional>
#include <string>
#include <vector>

namespace feff8l {

struct LogText {
  std::string file;  // its name in the scratch folder: "log2.dat", "console.log"
  std::string text;
};

struct FailureReason {
  std::string text;  // FEFF's line, quoted, after our explanation when we have one
  std::string file;  // the log it was found in
};

// Looks, in this order, for
//   1. the first line of the module's log, then of its console output, that
//      speaks of an error ("Error opening file, ...", "Fortran runtime error");
//   2. a message of a known cause in the logs so far, this module's included:
//      pot only warns of a potential with no atom near, xsph then stops;
//   3. the last line of text before the tag that FEFF writes as the last line
//      of the log when it stops a module ("No absorbing atom ... defined.",
//      then "RDINP").
// Nothing found: nullopt.
std::optional<FailureReason> find_failure_reason(const std::vector<LogText>& earlier_logs,
                                                 const LogText& module_log,
                                                 const LogText& console);

// A line of FEFF's as it goes into our one-line message: trimmed, each run of
// blanks made one, and cut at 200 characters.
std::string tidy_log_line(const std::string& line);

}  // namespace feff8l
