#include "run_driver.hpp"

#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "cluster_results.hpp"
#include "feff_input.hpp"
#include "feff_runner.hpp"

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

std::string cluster_suffix(int cluster_number) {
  std::string suffix = common::integer_layout(cluster_number, 3);
  for (std::size_t i = 0; i < 3 && i < suffix.size(); ++i) {
    if (suffix[i] == ' ') suffix[i] = '0';
  }
  return suffix;
}

bool cluster_done(const std::string& suffix) {
  return common::file_exists("xt." + suffix) || common::file_exists("mu." + suffix);
}

void process_cluster(int cluster_number, const std::string& cluster_name,
                     const std::string& suffix, const RunFiles& files, PotentialMap& map,
                     ClusterAtoms& atoms, SpectrumTotals& totals) {
  compose_feff_input(cluster_name, files.feff_template, files.feff_input, map, atoms);
  run_feff(cluster_number, cluster_name, files.feff_program);
  convert_cluster_results(files, "xt." + suffix, "mu." + suffix, totals);
}

void walk_cluster_list(const RunFiles& files, SpectrumTotals& totals) {
  common::TextInput list = common::TextInput::open_file(files.cluster_list);
  PotentialMap map;
  read_potential_map(files.potential_map, map);
  ClusterAtoms atoms;
  int cluster_number = 0;
  while (!list.at_eof()) {
    ++cluster_number;
    std::string cluster_name = list.read_string();  // taken as written, blanks and all
    list.skip_line();
    if (!common::file_exists(cluster_name)) {
      stop_on_cluster_line(cluster_number, files.cluster_list);
    }
    print_cluster_lines(cluster_name);
    std::string suffix = cluster_suffix(cluster_number);
    if (cluster_done(suffix)) continue;
    process_cluster(cluster_number, cluster_name, suffix, files, map, atoms, totals);
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
