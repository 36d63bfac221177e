#pragma once
// The part of feff.inp that the stand-in understands: a few cards and the atom
// list. Everything else in the file is passed over.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace feff_standin {

enum class Edge { K, L1, L2, L3 };

struct Atom {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  int ipot = 0;
  int line = 0;  // line number in feff.inp, for messages
};

struct FeffInput {
  std::vector<std::string> titles;
  Edge edge = Edge::K;
  double s02 = 1.0;
  double rmax = 6.0;   // Å; no card means the usual 6 Å cluster
  double kmax = 20.0;  // Å^-1
  double sig2 = 0.0;   // Å^2; the configurations already carry the disorder
  std::map<int, int> atomic_number;  // potential index -> Z
  std::vector<Atom> atoms;
};

// A feff.inp that cannot be used; the message names the line.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the whole text of feff.inp (lines end in LF or CR LF). Throws
// InputError for a known card with a bad value, a bad potential line or an
// atom line without four readable numbers.
FeffInput parse_feff_input(const std::string& text);

// "K", "L1", "L2", "L3" in any case, or the hole numbers 1..4.
bool parse_edge(const std::string& word, Edge& edge);
const char* edge_name(Edge edge);

}  // namespace feff_standin
