#include "tolva64/orderly_stop.hpp"

#include <cstdio>

#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "tolva64/console.hpp"

namespace tolva64 {

void end_run(int exit_code) { common::stop_program(exit_code); }

void stop_on_file(const std::string& name, const std::string& complaint) {
  print_file_complaint(name, complaint);
  end_run(kExitStopped);
}

void stop_on_cluster_line(int cluster_number, const std::string& list_name) {
  print_cluster_line_error(cluster_number, list_name);
  end_run(kExitStopped);
}

void stop_on_map_size(const std::string& map_name) {
  stop_on_file(map_name, "holds more than " + std::to_string(kMaxPotentials) +
                             " potential entries!");
}

void stop_on_cluster_size(const std::string& cluster_name) {
  stop_on_file(cluster_name, "holds more than " + std::to_string(kMaxClusterAtoms) + " atoms!");
}

void stop_on_command_line(const std::string& complaint) {
  std::string text = "tolva64: " + complaint + "\nTry 'tolva64 --help' for the options.\n";
  std::fputs(text.c_str(), stderr);
  end_run(kExitBadCommandLine);
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

void check_cluster_file(int cluster_number, const std::string& cluster_name,
                        const RunFiles& files) {
  if (!common::file_exists(cluster_name)) stop_on_cluster_line(cluster_number, files.cluster_list);
}

}  // namespace tolva64
