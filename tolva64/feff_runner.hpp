#pragma once
// RUNFEFF: announces and runs the outside program FEFF for one cluster.
#include <string>

namespace tolva64 {

// "*** Cluster #  7. FEFF started for the file: md_7.xyz."
std::string feff_announcement(int cluster_number, const std::string& cluster_name);

// Prints the announcement, then starts <current directory>/<program> with no
// arguments, inheriting the directory, the standard streams and the
// environment, and waits for it without a time limit. Its exit status is not
// looked at. A program that cannot be started ends the run with the EProcess
// failure report.
void run_feff(int cluster_number, const std::string& cluster_name, const std::string& program);

}  // namespace tolva64
