#pragma once
// The run state of kirne: set up once from the arguments or the console,
// then filled configuration by configuration. Tables are indexed from 1.
#include <cstdint>
#include <optional>
#include <string>

#include "common/bounded_table.hpp"
#include "common/cluster_list.hpp"
#include "common/text_output.hpp"
#include "common/text_input.hpp"

namespace kirne {

inline constexpr int NMAX = 200000;  // atoms per configuration
inline constexpr int PMAX = 20;      // entries of the type table
inline constexpr int RMAX = 5000;    // bins of each distribution histogram
inline constexpr double DR = 0.01;   // bin width in angstrom

enum class RunMode { ArgumentList, Interactive, Test };

// A 2-character element symbol ("FE", "O "); empty only while being read.
using Symbol = std::string;

struct RunState {
  RunMode mode = RunMode::ArgumentList;

  // Parameters, final once setup hands over to the configuration loop.
  std::string NAMEINP;
  std::string NAME;      // base name of the trajectory, cluster names grow from it
  std::string FILENAME;  // trajectory file that is opened
  double RMAX_FROM_ABSORBER = 8.0;
  double RMAX2 = 64.0;
  std::int32_t SKIPFIRST = 0;
  std::int32_t SKIP = 0;
  std::int32_t ISKIP = -1;
  std::int32_t ICENTATOM = 0;
  std::int32_t NICENTATOM = 1;
  std::int32_t NCLMAX = 2147483647;
  std::int32_t NPOT = 1;
  common::BoundedTable<Symbol> POTN{"POTN", PMAX, Symbol()};
  Symbol CENTATOM;
  bool FL_G2 = false;
  bool FL_G3 = false;
  bool FL_G4 = false;

  // Configuration loop.
  std::int32_t NCL = 0;   // configurations read; the used count before PRDFSAVE
  std::int32_t NCL2 = 0;  // configurations used
  std::int32_t NCL3 = 0;  // absorbers in the current used configuration
  std::string NCLST;
  std::string NCLST2;
  std::string STCOM;
  std::int32_t NAT = 0;
  std::int32_t NAT0 = 1;
  double MAXR = 500000.0;
  double X0 = 0.0, Y0 = 0.0, Z0 = 0.0;
  common::BoundedTable<double> X{"X", NMAX, 0.0};
  common::BoundedTable<double> Y{"Y", NMAX, 0.0};
  common::BoundedTable<double> Z{"Z", NMAX, 0.0};
  common::BoundedTable<Symbol> POT{"POT", NMAX, Symbol("  ")};
  common::BoundedTable<std::uint8_t> POTI{"POTI", NMAX, 0};

  // Cluster writer.
  std::string FILENAME_OUT;

  // Distribution histograms: counts held as doubles.
  common::BoundedTable<double> RDF_G2{"RDF_G2", RMAX, 0.0};
  common::BoundedTable<double> RDF_G3{"RDF_G3", RMAX, 0.0};
  common::BoundedTable<double> RDF_G4{"RDF_G4", RMAX, 0.0};
  // PRDF[J][JJ]: row J = type index 1..PMAX, column JJ = bin 1..RMAX.
  common::BoundedTable<common::BoundedTable<double>> PRDF{
      "PRDF", PMAX, common::BoundedTable<double>("PRDF row", RMAX, 0.0)};

  // Files open across the run.
  std::optional<common::TextInput> FV;    // the trajectory
  std::optional<common::ClusterListWriter> FVC;  // conf.dat
  std::optional<common::TextOutput> FVV;  // ttt.xyz, test mode only
};

}  // namespace kirne
