#pragma once
// From the name the user gave to the trajectory file that is opened.
#include <string>

#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

struct ResolvedName {
  std::string base;       // NAME: what the cluster file names grow from
  std::string file_name;  // FILENAME: the file that is opened
};

// "md" and "md.xyz" open md.xyz with base md; "md.XYZ" opens md.XYZ with
// base md; "md.Xyz" opens md.Xyz.xyz; "run.1.xyz" keeps base run. A name
// ending in .lammpstrj or .dump opens that file and is the base as well.
// A directory part ("../runs/md.xyz") stays in the file opened and is
// dropped from the base, which the rules take from the file name alone.
ResolvedName resolve_file_name(const std::string& name);

// Sets the base name and the trajectory path from the name given; stops
// with " No input data file: " when the directory has no entry of that name.
MaybeStop find_trajectory(RunParameters& parameters);

}  // namespace kirne
