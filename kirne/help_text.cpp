// The text of kirne --help.
#include "kirne/help_text.hpp"

#include "kirne/version.hpp"

namespace kirne {

std::string help_text() {
  return R"(Usage: kirne [OPTIONS] NAME SKIPFIRST SKIP RMAX ABSORBER CHOICE [TYPE ...]
       kirne int | test      asks for the parameters on the console
       kirne --help | --version

Reads a trajectory (XYZ, extended XYZ or a LAMMPS text dump) and writes, in
the current directory, a cluster file of the atoms within RMAX for every used
configuration and absorber, their list conf.dat, and the distribution
functions g2_tot.txt and g2_<absorber>-<type>.txt.

  NAME       the trajectory: md and md.xyz open md.xyz, md.XYZ opens md.XYZ,
             a name ending in .lammpstrj or .dump opens that dump. A directory
             part (../runs/md.xyz) only says where the file is: the clusters
             are still md_<configuration>.xyz, in the current directory
  SKIPFIRST  configurations skipped at the start
  SKIP       configurations skipped between two used ones (0: every one)
  RMAX       cluster radius in angstrom; an atom at exactly RMAX is included
  ABSORBER   element of the absorber (type index 0 in the cluster files)
  CHOICE     0: the ABSORBER atom nearest the centre of configuration 1;
             n > 0: atom n; -n: every ABSORBER atom among atoms 1..n
  TYPE       the other elements, type indices 2, 3, ... (at most 20 types);
             other ABSORBER atoms have index 1
A number that cannot be read counts as 0, with a warning on standard error.
An argument holding "int" or "test" anywhere, a directory name included,
selects a mode that asks.

Options, before NAME:
  --pbc                  clusters and distributions by minimum images in the
                         cell of each configuration
  --cell A B C           the cell of configurations that have none of their
                         own: edge lengths, or with 9 numbers the edge
                         vectors AX AY AZ BX BY BZ CX CY CZ
  --type-map 1=Cu,2=Zr   the elements of numeric atom types
  --                     ends the options
  --help, --version      as the only argument: this text, or the version

Exit codes:
  0    the run was done: clusters, conf.dat and tables written
       (also --help and --version)
  1    an orderly stop: the run could not do what was asked. One line says
       why, on standard output and standard error: no trajectory file, no
       absorber atom, standard input ended at a question, too many types,
       a count or atom number out of range, a coordinate that is no number
       or lies beyond 1e6 A, an Rmax that is no finite number, a bad option
       or cell, atoms of unlisted types. Clusters already listed are whole
  217  a file or number error, with the failure report on standard error
       (a file that cannot be opened or written, a disk that is full, a
       line that cannot be read). Listed clusters are whole or absent
)";
}

std::string version_text() { return std::string("kirne ") + kVersion + "\n"; }

std::optional<std::string> requested_text(const std::vector<std::string>& args) {
  if (args.size() != 1) return std::nullopt;
  if (args[0] == "--help") return help_text();
  if (args[0] == "--version") return version_text();
  return std::nullopt;
}

}  // namespace kirne
