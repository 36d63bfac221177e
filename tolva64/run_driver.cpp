#include "tolva64/run_driver.hpp"

#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/cluster_list.hpp"
#include "common/text_output.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/feff_runner.hpp"

namespace tolva64 {

namespace {

common::TextOutput& console() { return common::TextOutput::standard_output(); }

void say(const std::string& line) { console().write(line).end_line(); }

}  // namespace

void stop_on_cluster_line(int cluster_number, const std::string& list_name) {
  say(" Error at line " + common::integer_layout(cluster_number, 5) + " in file " + list_name);
  common::stop_program(1);
}

void print_cluster_lines(const std::string& cluster_name) {
  say(" ");
  say("File: " + cluster_name);
}

void stop_on_file(const std::string& name, const std::string& complaint) {
  say(" The file \"" + name + "\" " + complaint);
  common::stop_program(1);
}

void print_banner() {
  const std::string stars(34, '*');
  say(stars);
  say("*              TOLVA             *");
  say("*           Version 4.2          *");
  say("*                                *");
  say("*  Configuration-averaged EXAFS  *");
  say("*  one FEFF run per cluster file *");
  say(stars);
  say("");
}

void check_required_files(const RunFiles& files) {
  for (const std::string* name : {&files.cluster_list, &files.potential_map,
                                  &files.feff_template, &files.feff_program}) {
    if (!common::file_exists(*name)) stop_on_file(*name, "is absent!");
  }
}

void check_cluster_list(const RunFiles& files) {
  if (!common::file_exists(files.cluster_list)) stop_on_file(files.cluster_list, "is absent!");
}

bool cluster_done(const std::string& suffix) {
  return common::file_exists("xt." + suffix) || common::file_exists("mu." + suffix);
}

void process_cluster(int cluster_number, const std::string& cluster_name,
                     const std::string& suffix, const RunFiles& files, PotentialMap& map,
                     common::ClusterAtoms& atoms, SpectrumTotals& totals) {
  compose_feff_input(cluster_name, files.feff_template, files.feff_input, map, atoms);
  run_feff(cluster_number, cluster_name, files.feff_program);
  convert_cluster_results(files, "xt." + suffix, "mu." + suffix, totals);
}

void walk_cluster_list(const RunFiles& files, SpectrumTotals& totals) {
  common::ClusterListReader list(files.cluster_list);
  PotentialMap map;
  read_potential_map(files.potential_map, map);
  common::ClusterAtoms atoms;
  while (std::optional<common::ClusterEntry> line = list.next()) {
    if (!common::file_exists(line->name)) stop_on_cluster_line(line->number, files.cluster_list);
    print_cluster_lines(line->name);
    std::string suffix = common::cluster_suffix(line->number);
    if (cluster_done(suffix)) continue;
    process_cluster(line->number, line->name, suffix, files, map, atoms, totals);
  }
  list.close();
}

void write_averages(const RunFiles& files, const SpectrumTotals& totals) {
  if (totals.chi.files > 0) write_average(totals.chi, files.chi_average);
  if (totals.mu.files > 0) write_average(totals.mu, files.mu_average);
}

void print_closing_lines(const SpectrumTotals& totals) {
  say(" ");
  say(std::string(65, '_'));
  say("Calculations done.");
  if (totals.chi.files > 0) say("See the file XT_TOT.TXT for the result.");
  if (totals.mu.files > 0) say("See the file MU_TOT.TXT for the result.");
}

}  // namespace tolva64
