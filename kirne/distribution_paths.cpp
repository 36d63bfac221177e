#include "kirne/distribution_paths.hpp"

#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "kirne/distribution_bins.hpp"

namespace kirne {
namespace {

// Reach of one absorber: the atoms a path of a visible bin may pass through.
//
// Why leaving the others out loses no written count: a closed path of leg sum
// S passes every one of its atoms P twice on its way round, once going out and
// once coming back, so by the triangle inequality S >= 2 * |P - absorber|.
// Rows stop at bin last_bin, and a path reaches bin last_bin + 1 or more once
// (S / kBinWidth) * 0.5 > last_bin + 0.5. The limit below sits a further whole bin
// past that (S > (2 * last_bin + 3) * kBinWidth), far beyond the few ulps by which
// rounded legs and rounded partial sums can stray from the exact geometry, so
// an atom farther than limit / 2 from the absorber, or a partial path already
// longer than the limit with the shortest way home added, only ever feeds
// bins that no row shows. Every path that is counted is summed leg by leg in
// the full enumeration's order, from the same leg values, so its bin is exact.
struct Reach {
  const PathFrame* frame = nullptr;
  std::vector<int> atom;     // atoms within limit / 2, the absorber not among them
  std::vector<double> back;  // each one's leg to the absorber
  double limit = 0.0;
};

// An atom Y seen from a hub X of the path: the leg X-Y, the leg Y-absorber,
// and their sum, the shortest way home from X through Y.
struct Step {
  double through;
  double leg;
  double back;
};

// Per-worker histograms; index 0 takes the dropped paths, so no branch.
struct Counts {
  std::vector<double> g3 = std::vector<double>(kBinCount + 1, 0.0);
  std::vector<double> g4 = std::vector<double>(kBinCount + 1, 0.0);
};

Reach find_reach(const PathFrame& frame, int last_bin) {
  Reach reach;
  reach.frame = &frame;
  reach.limit = (2.0 * last_bin + 3.0) * kBinWidth;
  const int a = frame.absorber;
  for (int i = 0; i < frame.atom_count; ++i) {
    if (i == a) continue;
    const double back =
        leg_length(frame.x[i], frame.y[i], frame.z[i], frame.x[a], frame.y[a], frame.z[a]);
    if (back * 2.0 <= reach.limit) {  // false for NaN
      reach.atom.push_back(i);
      reach.back.push_back(back);
    }
  }
  return reach;
}

// The steps from hub (a position in reach.atom, or its size for the
// absorber) to every other reachable atom, shortest way home first.
void collect_steps(const Reach& reach, int hub, std::vector<Step>& steps) {
  const PathFrame& f = *reach.frame;
  const int count = static_cast<int>(reach.atom.size());
  const int h = hub < count ? reach.atom[hub] : f.absorber;
  steps.clear();
  for (int s = 0; s < count; ++s) {
    if (s == hub) continue;
    const int y = reach.atom[s];
    const double leg = leg_length(f.x[h], f.y[h], f.z[h], f.x[y], f.y[y], f.z[y]);
    const double through = leg + reach.back[s];
    if (through <= reach.limit) steps.push_back({through, leg, reach.back[s]});
  }
  std::sort(steps.begin(), steps.end(),
            [](const Step& p, const Step& q) { return p.through < q.through; });
}

// G3 with the hub as I: absorber -> I -> K -> absorber for every K.
void add_triangles(double first_leg, const std::vector<Step>& steps, double limit,
                   std::vector<double>& g3) {
  for (const Step& k : steps) {
    if (first_leg + k.through > limit) break;
    g3[path_bin((first_leg + k.leg) + k.back)] += 1.0;
  }
}

// G4 with the hub as K: absorber -> I -> K -> L -> absorber for every I and L.
void add_quadrangles(const std::vector<Step>& steps, double limit, std::vector<double>& g4) {
  if (steps.empty()) return;
  const double shortest_return = steps.front().through;
  for (const Step& i : steps) {
    if (i.through + shortest_return > limit) break;
    const double outward = i.back + i.leg;
    for (const Step& l : steps) {
      if (outward + l.through > limit) break;
      g4[path_bin((outward + l.leg) + l.back)] += 1.0;
    }
  }
}

// Every path is found from exactly one hub: a G3 path from its I, a G4 path
// from its K. Hubs first, first + stride, ...; the absorber is the last hub,
// for G4 only.
void count_hubs(const Reach& reach, int first, int stride, bool want_g3, bool want_g4,
                Counts& counts) {
  const int count = static_cast<int>(reach.atom.size());
  // The absorber is a stop K only when it is one of the configuration's atoms.
  const bool absorber_hub = want_g4 && reach.frame->absorber < reach.frame->atom_count;
  const int last_hub = absorber_hub ? count : count - 1;
  std::vector<Step> steps;
  steps.reserve(reach.atom.size());
  for (int hub = first; hub <= last_hub; hub += stride) {
    collect_steps(reach, hub, steps);
    if (want_g3 && hub < count) add_triangles(reach.back[hub], steps, reach.limit, counts.g3);
    if (want_g4) add_quadrangles(steps, reach.limit, counts.g4);
  }
}

// Below this many reachable atoms (about 8 A around a metal atom) one call
// takes a few milliseconds at most, and starting a thread, or waiting for a
// busy core to run it, costs more than it saves.
constexpr std::size_t kThreadedReach = 160;

unsigned worker_count(std::size_t reach_size) {
  if (reach_size < kThreadedReach) return 1;
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp(cores, 1u, 8u);
}

}  // namespace

void add_closed_paths(const PathFrame& frame, int last_bin, double* g3, double* g4) {
  if (g3 == nullptr && g4 == nullptr) return;
  const Reach reach = find_reach(frame, last_bin);
  const unsigned workers = worker_count(reach.atom.size());
  std::vector<Counts> counts(workers);
  std::vector<std::thread> threads;
  for (unsigned w = 1; w < workers; ++w) {
    try {
      threads.emplace_back(count_hubs, std::cref(reach), static_cast<int>(w),
                           static_cast<int>(workers), g3 != nullptr, g4 != nullptr,
                           std::ref(counts[w]));
    } catch (const std::system_error&) {
      // No thread to be had: this share is counted here instead.
      count_hubs(reach, static_cast<int>(w), static_cast<int>(workers), g3 != nullptr,
                 g4 != nullptr, counts[w]);
    }
  }
  count_hubs(reach, 0, static_cast<int>(workers), g3 != nullptr, g4 != nullptr, counts[0]);
  for (std::thread& t : threads) t.join();
  // Counts are whole numbers far below 2^53, so the order of adding is exact.
  for (const Counts& c : counts) {
    for (int bin = 1; bin <= kBinCount; ++bin) {
      if (g3 != nullptr) g3[bin - 1] += c.g3[bin];
      if (g4 != nullptr) g4[bin - 1] += c.g4[bin];
    }
  }
}

}  // namespace kirne
