#pragma once
// Every line tolva64 prints on its console: the banner, the lines of each
// cluster, the FEFF announcement, the reports, the closing lines and the
// stop messages. The lines end with CR LF, as every line the program writes.
#include <string>

#include "tolva64/run_options.hpp"

namespace tolva64 {

// One line on standard output.
void say(const std::string& line);

// One line on standard output that also goes to standard error: what failed
// must reach the user whichever stream is read.
void say_on_both(const std::string& line);

// The eight banner lines, the last one empty.
void print_banner();

// " " and "File: <name>", the lines every cluster of the list prints.
void print_cluster_lines(const std::string& cluster_name);

// "*** Cluster #  7. FEFF started for the file: md_7.xyz."
std::string feff_announcement(int cluster_number, const std::string& cluster_name);

// Prints the announcement and passes it on at once: FEFF writes to the same
// stream, and what we printed must reach it first even through a pipe.
void announce_feff(int cluster_number, const std::string& cluster_name);

// A cluster with one spectrum file of its two, which is run again.
void report_half_done(int cluster_number, const std::string& cluster_name,
                      const std::string& lone_file);

// --average: a cluster without its two per-cluster files, named by what
// is missing ("no mu.002", "no xt.003 and no mu.003").
void report_missing_results(int cluster_number, const std::string& cluster_name,
                            const std::string& missing);

// The mu(E) grids of the clusters were shifted against each other, and the
// average was taken row by row.
void warn_of_shifted_grids(double largest_shift);

// " Averaged 8 clusters: 5 run now, 3 from earlier runs.", or " Averaged 3
// clusters, all from earlier runs."; empty when every cluster averaged ran
// now, as in a fresh run.
std::string averaged_line(int clusters, int run_now);

// " ", the rule and "Calculations done.", the averaged line when it is not
// empty, then the "See the file" lines of the two averages when they were
// written.
void print_closing_lines(int clusters_averaged, int run_now);

// A shard writes no averages: its closing lines say how to get them.
void print_shard_closing_lines(const Shard& shard);

// The counts of --average, then the files of each kind that was found.
void print_average_closing_lines(int chi_files, int mu_files);

// --slurm: what was written and the shell lines that submit it.
void print_batch_script_lines(const std::string& script_name, int clusters, int tasks,
                              int cpus_per_task, const std::string& partition,
                              const std::string& submit_commands);

// " The file "<name>" <complaint>", the line of an orderly stop.
void print_file_complaint(const std::string& name, const std::string& complaint);

// " Error at line     3 in file conf.dat"
void print_cluster_line_error(int cluster_number, const std::string& list_name);

}  // namespace tolva64
