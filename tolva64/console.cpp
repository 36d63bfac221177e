#include "tolva64/console.hpp"

#include <cstdio>

#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "tolva64/spectrum_files.hpp"
#include "tolva64/version.hpp"

namespace tolva64 {

namespace {

common::TextOutput& console() { return common::TextOutput::standard_output(); }

std::string upper(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

// Every way a run ends starts with these two lines.
void print_closing_rule() {
  say(" ");
  say(std::string(65, '_'));
}

void print_see_lines(const std::string& average, const std::string& deviation,
                     const std::string& error) {
  say("See the file " + upper(average) + " for the result.");
  say("See " + upper(deviation) + " for the standard deviation and " + upper(error) +
      " for the standard error of the mean.");
}

}  // namespace

void say(const std::string& line) { console().write(line).end_line(); }

void print_banner() {
  const std::string stars(34, '*');
  say(stars);
  say("*              TOLVA             *");
  say(std::string("*           Version ") + kVersion + "          *");
  say("*                                *");
  say("*  Configuration-averaged EXAFS  *");
  say("*  one FEFF run per cluster file *");
  say(stars);
  say("");
}

void print_cluster_lines(const std::string& cluster_name) {
  say(" ");
  say("File: " + cluster_name);
}

std::string feff_announcement(int cluster_number, const std::string& cluster_name) {
  return "*** Cluster #" + common::integer_layout(cluster_number, 3) +
         ". FEFF started for the file: " + cluster_name + ".";
}

void announce_feff(int cluster_number, const std::string& cluster_name) {
  say(feff_announcement(cluster_number, cluster_name));
  console().flush();
}

void say_on_both(const std::string& line) {
  say(line);
  // Standard output first, so a console that shows both keeps the order.
  console().flush();
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

void report_half_done(int cluster_number, const std::string& cluster_name,
                      const std::string& lone_file) {
  say(" Cluster " + common::integer_layout(cluster_number, 3) + ", " + cluster_name + ": only " +
      lone_file + " is there; the cluster is run again.");
}

void report_missing_results(int cluster_number, const std::string& cluster_name,
                            const std::string& missing) {
  say(" Line " + common::integer_layout(cluster_number, 5) + ", " + cluster_name + ": " +
      missing + ", left out of the averages.");
}

void warn_of_shifted_grids(double largest_shift) {
  char shift[32];
  std::snprintf(shift, sizeof shift, "%.3f", largest_shift);
  say_on_both(std::string(" Warning: the mu(E) energy grids of the clusters differ by up to ") +
              shift + " eV; mu_tot.txt averages them row by row (--common-grid takes them "
              "onto one grid).");
}

std::string averaged_line(int clusters, int run_now) {
  if (clusters == run_now) return "";
  const std::string averaged =
      " Averaged " + std::to_string(clusters) + (clusters == 1 ? " cluster" : " clusters");
  const int earlier = clusters - run_now;
  if (run_now == 0) {
    return averaged + (earlier == 1 ? ", from an earlier run." : ", all from earlier runs.");
  }
  return averaged + ": " + std::to_string(run_now) + " run now, " + std::to_string(earlier) +
         (earlier == 1 ? " from an earlier run." : " from earlier runs.");
}

void print_closing_lines(int clusters_averaged, int run_now) {
  print_closing_rule();
  say("Calculations done.");
  const std::string averaged = averaged_line(clusters_averaged, run_now);
  if (!averaged.empty()) say(averaged);
  if (clusters_averaged == 0) return;
  say("See the file " + upper(kChiAverageName) + " for the result.");
  say("See the file " + upper(kMuAverageName) + " for the result.");
}

void print_shard_closing_lines(const Shard& shard) {
  print_closing_rule();
  say("Calculations done.");
  say("Shard " + std::to_string(shard.index) + "/" + std::to_string(shard.count) +
      ": per-cluster files only. Once every shard is done, run tolva64 --average.");
}

void print_average_closing_lines(int chi_files, int mu_files) {
  print_closing_rule();
  say("Averaged " + std::to_string(chi_files) + " chi(k) and " + std::to_string(mu_files) +
      " mu(E) files.");
  if (chi_files > 0) print_see_lines(kChiAverageName, kChiDeviationName, kChiErrorName);
  if (mu_files > 0) print_see_lines(kMuAverageName, kMuDeviationName, kMuErrorName);
}

void print_batch_script_lines(const std::string& script_name, int clusters, int tasks,
                              int cpus_per_task, const std::string& partition,
                              const std::string& submit_commands) {
  std::string where = partition.empty() ? "the default partition" : "partition " + partition;
  say(" Wrote " + script_name + ": " + std::to_string(clusters) + " clusters in " +
      std::to_string(tasks) + " array tasks of " + std::to_string(cpus_per_task) + " cores, " +
      where + ".");
  say(" Submit the FEFF runs, and the averaging that waits for them, from this directory:");
  for (std::size_t start = 0; start < submit_commands.size();) {
    std::size_t end = submit_commands.find('\n', start);
    if (end == std::string::npos) end = submit_commands.size();
    say("   " + submit_commands.substr(start, end - start));
    start = end + 1;
  }
}

void print_file_complaint(const std::string& name, const std::string& complaint) {
  say(" The file \"" + name + "\" " + complaint);
}

void print_cluster_line_error(int cluster_number, const std::string& list_name) {
  say(" Error at line " + common::integer_layout(cluster_number, 5) + " in file " + list_name);
}

}  // namespace tolva64
