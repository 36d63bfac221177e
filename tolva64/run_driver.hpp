#pragma once
// The run of tolva64: banner, required files, the walk of the cluster list,
// the averages and the closing lines.
#include <string>

#include "tolva64/cluster_atoms.hpp"
#include "tolva64/potential_map.hpp"
#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// The eight banner lines, the last one empty.
void print_banner();

// Stops with " The file "<name>" is absent!" and exit code 1 at the first of
// the cluster list, potential map, template and FEFF program that is missing.
void check_required_files(const RunFiles& files);

// " Error at line     3 in file conf.dat", then the end of the run with exit
// code 1: the cluster file named on that line does not exist.
[[noreturn]] void stop_on_cluster_line(int cluster_number, const std::string& list_name);

// " " and "File: <name>", the lines every cluster of the list prints.
void print_cluster_lines(const std::string& cluster_name);

// As check_required_files, for the cluster list alone.
void check_cluster_list(const RunFiles& files);

// A cluster is done when either of its result files exists.
bool cluster_done(const std::string& suffix);

// Composes FEFF's input, runs FEFF and converts its results for one cluster.
void process_cluster(int cluster_number, const std::string& cluster_name,
                     const std::string& suffix, const RunFiles& files, PotentialMap& map,
                     common::ClusterAtoms& atoms, SpectrumTotals& totals);

// Reads the potential map, then walks the cluster list line by line: each
// line names a cluster file, which must exist; clusters not done yet are
// processed. The map is read while the list is already open.
void walk_cluster_list(const RunFiles& files, SpectrumTotals& totals);

// xt_tot.txt if any chi(k) entered the sums, then mu_tot.txt likewise.
void write_averages(const RunFiles& files, const SpectrumTotals& totals);

void print_closing_lines(const SpectrumTotals& totals);

}  // namespace tolva64
