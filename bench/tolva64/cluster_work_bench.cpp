// What tolva64 adds to each FEFF run: composing a 100-atom feff.inp and
// converting a 401-row chi.dat and xmu.dat (real FEFF 8.5L output) into the
// per-cluster files, their record and the sums. A real FEFF run takes 0.25
// to 1.5 s, so this should stay far below 2 ms. The baseline copies the same
// files byte for byte, the floor that any reading and writing of them costs.
//
// And what a resumed run adds for each cluster done before it: holding the
// result against its record (the survey before the cluster loop), and
// reading its two files back for the averages over every cluster.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/cluster_list.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/result_survey.hpp"
#include "tolva64/result_totals.hpp"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void spill(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A scratch directory with a 100-atom cluster and FEFF's two result files.
struct Scratch {
  fs::path dir;
  std::string chi;
  std::string xmu;
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "tolva64-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    dir = pattern;
    std::string cluster = "# Cluster: 1. t=0\r\n0  0.0000000000000000E+000"
                          "  0.0000000000000000E+000  0.0000000000000000E+000\r\n";
    for (int i = 1; i < 98; ++i) {
      cluster += std::to_string(1 + i % 2) + " " + std::to_string(0.731 * (i % 7) - 2.1) + " " +
                 std::to_string(0.417 * (i % 11) - 2.3) + " " +
                 std::to_string(0.293 * (i % 13) - 1.9) + "\r\n";
    }
    spill(dir / "md_1.xyz", cluster + "1 100 100 10\r\n2 100 100 20\r\n");
    spill(dir / "pot.dat", " 0 0 Fe\r\n 1 1 Fe\r\n 2 2 O\r\n");
    spill(dir / "feff.dat", " EDGE K\r\n CONTROL 1 1 1 1 1 1\r\n EXAFS 20\r\n RMAX 6.0\r\n"
                            " POTENTIALS\r\n 0 26 Fe\r\n 1 26 Fe\r\n 2 8 O\r\n ATOMS\r\n");
    chi = slurp(std::string(FEFF8L_DATA) + "/feo_md/chi.dat");
    xmu = slurp(std::string(FEFF8L_DATA) + "/feo_md/xmu.dat");
  }
  ~Scratch() { fs::remove_all(dir); }
  std::string at(const char* name) const { return (dir / name).string(); }
};

void BM_ClusterWork(benchmark::State& state) {
  Scratch s;
  // The per-cluster files go to the current directory, as in a run.
  if (chdir(s.dir.c_str()) != 0) std::abort();
  tolva64::RunFiles files;
  files.chi_result = s.at("chi.dat");
  files.xmu_result = s.at("xmu.dat");
  tolva64::PotentialMap map;
  tolva64::read_potential_map(s.at("pot.dat"), map);
  tolva64::ClusterAtoms atoms;
  tolva64::SpectrumTotals totals;
  files.potential_map = s.at("pot.dat");
  files.feff_template = s.at("feff.dat");
  const tolva64::SharedInputs shared = tolva64::shared_inputs_of(files);
  for (auto _ : state) {
    state.PauseTiming();  // FEFF's part: leaving its two result files for a new cluster
    fs::remove(s.dir / "xt.001");
    fs::remove(s.dir / "mu.001");
    spill(s.dir / "chi.dat", s.chi);
    spill(s.dir / "xmu.dat", s.xmu);
    state.ResumeTiming();
    tolva64::read_cluster_atoms(s.at("md_1.xyz"), atoms);
    tolva64::move_origin_to_absorber(map, atoms);
    tolva64::compose_feff_input(s.at("md_1.xyz"), s.at("feff.dat"), s.at("feff.inp"), atoms,
                                tolva64::PotentialRenumbering(), map);
    tolva64::InputRecord made_from = tolva64::record_for(s.at("md_1.xyz"), shared, "none");
    tolva64::convert_cluster_results(files, "001", tolva64::FeffEnd{}, made_from, totals);
  }
  benchmark::DoNotOptimize(totals.chi.rows.sum.data());
}
BENCHMARK(BM_ClusterWork)->Unit(benchmark::kMicrosecond);

void BM_CopySameBytesBaseline(benchmark::State& state) {
  Scratch s;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(s.dir / "xt.001");
    fs::remove(s.dir / "mu.001");
    state.ResumeTiming();
    spill(s.dir / "feff.inp", slurp(s.dir / "md_1.xyz") + slurp(s.dir / "feff.dat"));
    spill(s.dir / "xt.001", s.chi);
    spill(s.dir / "mu.001", s.xmu);
  }
}
BENCHMARK(BM_CopySameBytesBaseline)->Unit(benchmark::kMicrosecond);

// A run directory whose list names the cluster kClusters times, every line
// done, with its spectra and record: the state a resumed run starts from.
constexpr int kClusters = 200;

struct DoneList {
  Scratch s;
  tolva64::RunFiles files;
  DoneList() {
    if (chdir(s.dir.c_str()) != 0) std::abort();
    files.chi_result = s.at("chi.dat");
    files.xmu_result = s.at("xmu.dat");
    const tolva64::SharedInputs shared = tolva64::shared_inputs_of(files);
    const tolva64::InputRecord made_from = tolva64::record_for("md_1.xyz", shared, "none");
    tolva64::SpectrumTotals totals;
    std::string list;
    for (int n = 1; n <= kClusters; ++n) {
      spill(s.dir / "chi.dat", s.chi);
      spill(s.dir / "xmu.dat", s.xmu);
      tolva64::convert_cluster_results(files, common::cluster_suffix(n), tolva64::FeffEnd{},
                                       made_from, totals);
      list += "md_1.xyz\r\n";
    }
    spill(s.dir / "conf.dat", list);
  }
};

void BM_SurveyOfDoneClusters(benchmark::State& state) {
  DoneList done;
  const tolva64::SharedInputs shared = tolva64::shared_inputs_of(done.files);
  for (auto _ : state) {
    tolva64::ResultSurvey survey = tolva64::survey_results(done.files, shared, std::nullopt, {});
    if (survey.kept() != kClusters) std::abort();
  }
  state.SetItemsProcessed(state.iterations() * kClusters);
}
BENCHMARK(BM_SurveyOfDoneClusters)->Unit(benchmark::kMillisecond);

void BM_ReadBackForTheAverages(benchmark::State& state) {
  DoneList done;
  for (auto _ : state) {
    tolva64::SpectrumTotals totals;
    for (int n = 1; n <= kClusters; ++n) {
      tolva64::add_cluster_files(totals, common::cluster_suffix(n));
    }
    benchmark::DoNotOptimize(totals.chi.rows.sum.data());
  }
  state.SetItemsProcessed(state.iterations() * kClusters);
}
BENCHMARK(BM_ReadBackForTheAverages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
