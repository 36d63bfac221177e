#pragma once
// The scratch directories of a parallel run: one per cluster, under one
// root in the run directory, named by the cluster's suffix. FEFF's fixed file
// names cannot collide there, and runs of different shards in the same
// directory never share one.
#include <string>

namespace tolva64 {

inline constexpr const char* kScratchRoot = "tolva64.scratch";
// Where the scratch directories of clusters FEFF failed on are kept.
inline constexpr const char* kKeptRoot = "tolva64.kept";

// "tolva64.scratch/007" for suffix 007.
std::string scratch_directory_for(const std::string& suffix);

// Creates the cluster's scratch directory, empty: whatever a stopped run left
// there is removed first. A failure ends the run with the failure report.
void prepare_scratch_directory(const std::string& path);

// Removes the scratch directory with its content, and the root once it is
// empty, unless the root is a symbolic link (to a scratch disk, say), which
// is used as it is and never removed. What cannot be removed is left alone:
// it is never read again.
void remove_scratch_directory(const std::string& path);

// Keeps the scratch directory of a cluster that FEFF failed on as
// tolva64.kept/<ext>, replacing what an earlier failure of it kept, so FEFF's
// logs outlive the run. Returns that path, or "" when the directory could not
// be moved there (a scratch root on another disk, say).
std::string keep_failed_scratch_directory(const std::string& path, const std::string& suffix);

// Removes what a failure of the cluster kept: it has a result now.
void forget_kept_scratch_directory(const std::string& suffix);

}  // namespace tolva64
