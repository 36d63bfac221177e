#pragma once
// The orderly stops of tolva64: input the user has to put right ends the run
// with one line on the console and exit code 1. Every end of the program,
// normal or not, goes out through end_run, the one place that passes on what
// is still buffered and exits. (A file or number failure ends it through the
// failure report instead, status 217.)
#include <string>

#include "tolva64/run_files.hpp"

namespace tolva64 {

inline constexpr int kExitDone = 0;
inline constexpr int kExitStopped = 1;
inline constexpr int kExitBadCommandLine = 2;
inline constexpr int kExitSomeMissing = 3;  // totals written, some clusters have no results
inline constexpr int kExitNoneDone = 4;     // no cluster has results

// Passes on every open output and ends the program with the exit code.
[[noreturn]] void end_run(int exit_code);

// " The file "<name>" <complaint>", then the end of the run with exit code 1.
[[noreturn]] void stop_on_file(const std::string& name, const std::string& complaint);

// " Error at line     3 in file conf.dat", then the end of the run with exit
// code 1: the cluster file named on that line does not exist.
[[noreturn]] void stop_on_cluster_line(int cluster_number, const std::string& list_name);

// The potential map holds more than kMaxPotentials entries.
[[noreturn]] void stop_on_map_size(const std::string& map_name);

// A cluster file holds more than kMaxClusterAtoms atom records.
[[noreturn]] void stop_on_cluster_size(const std::string& cluster_name);

// The command line cannot be read: the complaint and a hint at --help on
// standard error, exit code 2.
[[noreturn]] void stop_on_command_line(const std::string& complaint);

// Stops with " The file "<name>" is absent!" at the first of the cluster list,
// potential map, template and FEFF program that is missing.
void check_required_files(const RunFiles& files);

// As check_required_files, for the cluster list alone.
void check_cluster_list(const RunFiles& files);

// Stops at a line of the cluster list whose file does not exist.
void check_cluster_file(int cluster_number, const std::string& cluster_name,
                        const RunFiles& files);

}  // namespace tolva64
