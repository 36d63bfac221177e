#pragma once
// What a cluster's results were made from, kept beside them in
// made_from.<ext>: the cluster's line in conf.dat, a fingerprint of the bytes
// of its cluster file, of pot.dat and of feff.dat, and the potentials that
// --drop-absent-potentials left out of its feff.inp. A result whose record
// differs from what a run would use now is stale. The option is recorded by
// what it did, not by whether it was given: for a cluster without absent
// potentials it changes nothing, and its result stays good either way. The
// fingerprints are 64-bit FNV-1a: they tell a changed file from the same
// file, which is all they are for.
//
// feff.inp itself would be no good as the record: its dummy-atom lines
// depend on the clusters run before it in the same run, so a resumed run
// composes another feff.inp for an unchanged cluster.
//
//   # tolva64: the inputs xt.<ext> and mu.<ext> were made from (FNV-1a, 64 bits)
//   cluster md_7.xyz
//   cluster_file 5b6b2c1f0e4d3a29
//   pot.dat 0c1d2e3f4a5b6c7d
//   feff.dat 9e8d7c6b5a4f3e2d
//   left_out none
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tolva64/run_files.hpp"

namespace tolva64 {

inline constexpr const char* kRecordPrefix = "made_from.";

// "made_from.007" for suffix 007.
std::string record_name(const std::string& suffix);

inline constexpr std::uint64_t kFnvOffsetBasis = 14695981039346656037ULL;

// FNV-1a over the bytes, continuing from `hash`.
std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash = kFnvOffsetBasis);

// The fingerprint of a file's bytes as 16 hexadecimal digits; nothing when
// there is no such file. A file that cannot be read ends the run with the
// failure report.
std::optional<std::string> file_fingerprint(const std::string& path);

// The fingerprints every cluster of a run shares. An empty field is not
// known, its file being absent, and is not compared.
struct SharedInputs {
  std::string potential_map;  // pot.dat
  std::string feff_template;  // feff.dat
};

SharedInputs shared_inputs_of(const RunFiles& files);

struct InputRecord {
  std::string cluster_name;  // the line of conf.dat
  std::string cluster_file;  // fingerprint; empty: not known
  SharedInputs shared;
  std::string left_out;      // "none", "2 3"; empty: not known (--average)
};

// "none", or the potentials in the order given: "2 3".
std::string left_out_text(const std::vector<int>& potentials);

// What a cluster's results are made from when the run makes them now.
InputRecord record_for(const std::string& cluster_name, const SharedInputs& shared,
                       const std::string& left_out);

// The text of made_from.<ext>, CR LF line ends.
std::string record_text(const InputRecord& record);

// The record of a cluster's results; nothing when there is none. Lines that
// cannot be made out leave their fields empty, which no input matches.
std::optional<InputRecord> read_record(const std::string& path);

// The inputs of a record as the user knows them, in the order they are named.
inline constexpr const char* kInputNames[] = {"cluster file", "pot.dat", "feff.dat",
                                              "--drop-absent-potentials"};

// The inputs on which the record and the inputs of now differ, by the names
// above, in their order. An input not known now is not compared.
std::vector<std::string> changed_inputs(const InputRecord& made_from, const InputRecord& now);

// "pot.dat, feff.dat"
std::string inputs_text(const std::vector<std::string>& inputs);

}  // namespace tolva64
