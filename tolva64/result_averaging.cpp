#include "tolva64/result_averaging.hpp"

#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/cluster_list.hpp"
#include "common/text_output.hpp"
#include "tolva64/run_driver.hpp"

namespace tolva64 {

namespace {

void say(const std::string& line) {
  common::TextOutput::standard_output().write(line).end_line();
}

void gather_one(int cluster_number, const std::string& cluster_name, const std::string& path,
                const char* average_name, SpectrumSum& sum, SpectrumSpread& spread) {
  if (!common::file_exists(path)) {
    say(" Line " + common::integer_layout(cluster_number, 5) + ", " + cluster_name + ": no " +
        path + ", left out of the " + average_name + " average.");
    return;
  }
  Spectrum spectrum = read_spectrum_file(path);
  add_spectrum(sum, spectrum);
  add_to_spread(spread, spectrum);
}

std::string upper(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

void print_see_lines(const std::string& average, const std::string& deviation,
                     const std::string& error) {
  say("See the file " + upper(average) + " for the result.");
  say("See " + upper(deviation) + " for the standard deviation and " + upper(error) +
      " for the standard error of the mean.");
}

}  // namespace

void gather_cluster_results(const RunFiles& files, ResultTotals& totals) {
  common::ClusterListReader list(files.cluster_list);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    std::string suffix = common::cluster_suffix(line->number);
    gather_one(line->number, line->name, "xt." + suffix, "chi(k)", totals.sums.chi,
               totals.chi_spread);
    gather_one(line->number, line->name, "mu." + suffix, "mu(E)", totals.sums.mu,
               totals.mu_spread);
  }
  list.close();
}

void write_result_averages(const RunFiles& files, const SpreadFiles& spread_files,
                           const ResultTotals& totals) {
  write_averages(files, totals.sums);
  if (totals.sums.chi.files > 0) {
    publish_spectrum_file(standard_deviation(totals.chi_spread), spread_files.chi_deviation);
    publish_spectrum_file(standard_error(totals.chi_spread), spread_files.chi_error);
  }
  if (totals.sums.mu.files > 0) {
    publish_spectrum_file(standard_deviation(totals.mu_spread), spread_files.mu_deviation);
    publish_spectrum_file(standard_error(totals.mu_spread), spread_files.mu_error);
  }
}

void print_average_closing_lines(const RunFiles& files, const SpreadFiles& spread_files,
                                 const ResultTotals& totals) {
  say(" ");
  say(std::string(65, '_'));
  say("Averaged " + std::to_string(totals.sums.chi.files) + " chi(k) and " +
      std::to_string(totals.sums.mu.files) + " mu(E) files.");
  if (totals.sums.chi.files > 0) {
    print_see_lines(files.chi_average, spread_files.chi_deviation, spread_files.chi_error);
  }
  if (totals.sums.mu.files > 0) {
    print_see_lines(files.mu_average, spread_files.mu_deviation, spread_files.mu_error);
  }
}

}  // namespace tolva64
