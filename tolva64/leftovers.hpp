#pragma once
// What a killed run leaves behind, found and cleared by the next run before
// it starts its own FEFF runs: FEFF runs still going (SIGKILL gives tolva64
// no chance to stop them), their scratch directories, FEFF's result files in
// the run directory, and temporary files of a publication cut short. Only
// the clusters of the run's own shard are touched, so shards that run side
// by side leave each other alone. One line says what was cleared.
#include <optional>
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

struct LeftoversFound {
  int feff_runs_stopped = 0;
  int scratch_directories = 0;
  int temporary_files = 0;
  bool any() const { return feff_runs_stopped + scratch_directories + temporary_files > 0; }
};

// Clears the leftovers of the run's scope; scratch directories stay with
// keep_scratch (only their FEFF runs are stopped).
LeftoversFound clean_up_leftovers(const RunFiles& files, const std::optional<Shard>& shard,
                                  bool keep_scratch);

// " Cleared what an interrupted run left: stopped 1 FEFF run, removed 2
// scratch directories and 3 temporary files." (without the parts that are 0)
std::string leftovers_line(const LeftoversFound& found);

// Clears them and prints the line when there were any.
void clean_up_and_report_leftovers(const RunFiles& files, const std::optional<Shard>& shard,
                                   bool keep_scratch);

}  // namespace tolva64
