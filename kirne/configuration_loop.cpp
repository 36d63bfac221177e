#include "kirne/configuration_loop.hpp"

#include <string>

#include "common/checked_real.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "kirne/absorber_choice.hpp"
#include "kirne/cluster_writer.hpp"
#include "kirne/console_dialog.hpp"
#include "kirne/distribution_accumulator.hpp"
#include "kirne/distribution_output.hpp"
#include "kirne/orderly_stop.hpp"
#include "kirne/trajectory_reader.hpp"

namespace kirne {

namespace {

common::TextOutput& out() { return common::TextOutput::standard_output(); }

bool diagnosing(const RunState& s) { return s.mode == RunMode::Test && s.NCL == 1; }

// Atoms above NAT hold an earlier configuration's leftovers; an absorber
// there would be a ghost, so the run stops instead.
void require_absorbers_present(const RunState& s) {
  std::int32_t highest = s.NICENTATOM > 1 ? s.NICENTATOM : s.NAT0;
  if (highest <= s.NAT) return;
  std::string configuration = "configuration " + s.NCLST + " of " + s.FILENAME;
  std::string atoms = std::to_string(s.NAT) + " atoms !!!";
  if (s.NICENTATOM > 1) {
    stop_with_line(" Absorbers are looked for among atoms 1 to " + std::to_string(s.NICENTATOM) +
                   ", but " + configuration + " has " + atoms);
  }
  stop_with_line(" Absorber atom " + std::to_string(s.NAT0) + " is not present in " +
                 configuration + ", which has " + atoms);
}

void process_absorber(RunState& s, std::int32_t atom) {
  s.X0 = s.X[atom];
  s.Y0 = s.Y[atom];
  s.Z0 = s.Z[atom];
  if (diagnosing(s)) {
    out().write("Central atom coordinates after shift: ");
    out().write(common::scientific_layout(common::checked_sub(s.X[atom], s.X0), 12)).write(' ');
    out().write(common::scientific_layout(common::checked_sub(s.Y[atom], s.Y0), 12)).write(' ');
    out().write(common::scientific_layout(common::checked_sub(s.Z[atom], s.Z0), 12)).end_line();
    pause_for_enter();
  }
  write_cluster(s);
  if (s.FL_G2 || s.FL_G3 || s.FL_G4) prdf_calc(s);
}

void process_absorbers(RunState& s) {
  require_absorbers_present(s);
  if (s.NICENTATOM == 1) {
    s.NCL3 = 1;
    s.NCLST2.clear();
    process_absorber(s, s.NAT0);
  } else {
    s.NCL3 = 0;
    for (std::int32_t k = 1; k <= s.NICENTATOM; ++k) {
      s.NCLST2.clear();
      if (s.POT[k] != s.CENTATOM) continue;
      s.NCL3 += 1;
      s.NAT0 = k;
      s.NCLST2 = "_" + std::to_string(k);
      process_absorber(s, k);
    }
  }
  if (diagnosing(s)) out().write("TOLVA finished.").end_line();
}

void write_statistics(const RunState& s) {
  out().end_line().write("Number of clusters: ").end_line();
  out().write("   Total: ").write_integer(s.NCL).end_line();
  out().write("   Used: ").write_integer(s.NCL2).end_line();
  out().write("   Absorbers in each used cluster: ").write_integer(s.NCL3).end_line();
  out().end_line();
}

void finish_run(RunState& s) {
  write_statistics(s);
  s.NCL = s.NCL2;
  prdf_save(s);
  s.FV->close();
  s.FVC->close();
  if (s.mode == RunMode::Test) {
    s.FVV->close();
    pause_for_enter();
  }
}

}  // namespace

bool configuration_used(RunState& s) {
  if (s.SKIPFIRST > 0) {
    s.SKIPFIRST -= 1;
    return false;
  }
  s.ISKIP += 1;
  return s.ISKIP == s.SKIP;
}

void run_configuration_loop(RunState& s) {
  s.NCL = 0;
  s.NCL2 = 0;
  while (!trajectory_finished(s) && s.NCL < s.NCLMAX) {
    read_configuration(s);
    if (s.NCL == 1 && s.NICENTATOM == 1) {
      choose_absorber(s);
    } else {
      s.MAXR = s.RMAX_FROM_ABSORBER;
    }
    if (s.MAXR > s.RMAX_FROM_ABSORBER) s.MAXR = s.RMAX_FROM_ABSORBER;
    if (!configuration_used(s)) continue;
    s.NCL2 += 1;
    process_absorbers(s);
    s.ISKIP = -1;
  }
  finish_run(s);
}

}  // namespace kirne
