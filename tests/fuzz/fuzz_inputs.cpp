#include "fuzz_inputs.hpp"

#include <fstream>

namespace kirne_fuzz {

namespace {

std::size_t below(Random& random, std::size_t n) { return n == 0 ? 0 : random() % n; }

template <class T>
const T& pick(Random& random, const std::vector<T>& items) {
  return items[below(random, items.size())];
}

const std::vector<std::string> NUMBERS = {"0",          "-0",         "1",
                                          "-1",         "2",          "7",
                                          "1e308",      "-1e308",     "1e-320",
                                          "nan",        "Inf",        "-INF",
                                          "2147483647", "2147483648", "-2147483648",
                                          "200000",     "200001",     "1.5",
                                          "1,5",        "1e",         "1.5D3",
                                          "$1F",        ".",          "+",
                                          "--1",        "0x10",       "99999999999999999999",
                                          "3.",         ".5e-3",      "1e+",
                                          "1e150",      "1000000",    "-1000000.5"};

const std::vector<std::string> SYMBOLS = {"Fe", "O",  "fe", "Cu", "C12", "Ca2+", "17",
                                          "",   "Zr", "Si", "X",  "\t",  " "};

// The elements the seeds hold, as absorbers.
const std::vector<std::string> ABSORBERS = {"Fe", "Cu", "Si", "C", "O"};

const std::vector<std::string> TOKENS_TO_INSERT = {
    " ",      "\t",        "\r",    "\n",  "\r\n",   "\x1a",    std::string(1, '\0'),
    "-",      "+",         ".",     "e",   "E",      "0",       "9",
    "Fe ",    "\n\n\n",    "1e999", "nan", " 1 2 3", "\n0\n\n", "\n3\n\n",
    "\n-1\n", "\n200001\n"};

std::string first_frames(const std::string& path, int frames) {
  std::ifstream in(path, std::ios::binary);
  std::string line, text;
  for (int f = 0; f < frames && std::getline(in, line); ++f) {
    long atoms = std::atol(line.c_str());
    text += line + '\n';
    for (long i = 0; i <= atoms && std::getline(in, line); ++i) text += line + '\n';
  }
  return text;
}

void edit_once(std::string& text, Random& random) {
  std::size_t at = below(random, text.size() + 1);
  switch (below(random, 7)) {
    case 0:
      if (!text.empty()) text[below(random, text.size())] ^= char(1 << below(random, 8));
      break;
    case 1:
      if (!text.empty()) text[below(random, text.size())] = pick(random, TOKENS_TO_INSERT)[0];
      break;
    case 2:
      text.insert(at, pick(random, TOKENS_TO_INSERT));
      break;
    case 3:
      text.erase(at, below(random, 40));
      break;
    case 4:
      text.insert(at, text.substr(below(random, text.size() + 1), below(random, 200)));
      break;
    case 5:
      text.resize(at);
      break;
    default:
      text.insert(at, pick(random, NUMBERS) + " ");
      break;
  }
}

std::string noise(Random& random) {
  std::string text(below(random, 300), '\0');
  for (char& c : text)
    c = char(below(random, 4) == 0 ? pick(random, TOKENS_TO_INSERT)[0] : char(random()));
  return text;
}

}  // namespace

std::vector<std::string> seed_trajectories(const std::string& datasets) {
  std::vector<std::string> seeds = {
      "3\ncomment\nFe 0 0 0\nO 1.0 2.0 2.0\nFe 3 0 0\n3\n\nFe 0.1 0 0\nO 1 2 2\nFe 3 0 0\n",
      "2\r\nt=1\r\n17 Fe 0 0 0\r\nO\t1\t0\t0\r\n2\r\nt=2\r\nFe12 0 0 0\r\nO -1 0 0\r\n",
      "4\n\nFe 0 0 0\nO 1 0 0\nFe 2 0 0\nO 3 0 0\n\n\n",
      "1\nLattice=\"1 0 0\" pbc=\"T T T\"\nCu 1.00000000 2.00000000 3.00000000 1\n",
      "2\nx\nC12 1e0 -2.5E-1 +3.\nCa2+ .5 5. 0\n2\nx\nC 0 0 0\nCa 1 1 1",
  };
  for (const char* name : {"/sio2_cristobalite.xyz", "/cuzr_small_ext.xyz"}) {
    std::string frames = first_frames(datasets + name, 2);
    if (!frames.empty()) seeds.push_back(frames);
  }
  return seeds;
}

std::string mutated_trajectory(const std::vector<std::string>& seeds, Random& random) {
  std::size_t kind = below(random, 10);
  if (kind == 0) return noise(random);
  std::string text = pick(random, seeds);
  if (kind == 1) {
    const std::string& other = pick(random, seeds);
    text += other.substr(below(random, other.size() + 1));
  }
  if (kind >= 7) {
    // Whole frames first, so that clusters get written before any damage:
    // the seed again and again, edited (if at all) only in its last copy.
    const std::string seed = text;
    for (std::size_t copies = below(random, 6); copies > 0; --copies) text += seed;
    if (kind == 7) return text;
    const std::size_t tail = text.size() - seed.size();
    std::string last = text.substr(tail);
    edit_once(last, random);
    return text.substr(0, tail) + last;
  }
  std::size_t edits = 1 + below(random, 6);
  for (std::size_t i = 0; i < edits; ++i) edit_once(text, random);
  return text;
}

Invocation random_invocation(Random& random) {
  Invocation call;
  std::size_t mode = below(random, 6);
  if (mode == 0 || mode == 1) {
    call.args = {mode == 0 ? "int" : "test"};
    std::vector<std::string> lines = {
        pick(random, SYMBOLS), "O Fe Cu", "md", pick(random, NUMBERS), "y", "n", "", "x", "n",
        pick(random, NUMBERS), "",        ""};
    std::size_t count = below(random, lines.size() + 3);
    for (std::size_t i = 0; i < count; ++i) {
      call.answers += i < lines.size() ? lines[i] : pick(random, NUMBERS);
      call.answers += below(random, 3) == 0 ? "\r\n" : "\n";
    }
    if (below(random, 5) == 0) call.answers += noise(random);
    return call;
  }
  if (mode == 2 || mode == 3) {
    // A run that can succeed: every element of the seeds is listed.
    call.args = {below(random, 3) ? "md" : "md.xyz",
                 "0",
                 below(random, 2) ? "0" : "1",
                 below(random, 2) ? "3.5" : "6",
                 pick(random, ABSORBERS),
                 below(random, 2) ? "0" : "-4"};
    for (const char* type : {"O", "Fe", "Cu", "Si", "Zr", "C", "Ca"}) call.args.push_back(type);
    return call;
  }
  call.args = {below(random, 3) ? "md" : "md.xyz",
               pick(random, NUMBERS),
               pick(random, NUMBERS),
               below(random, 2) ? "3.5" : pick(random, NUMBERS),
               pick(random, SYMBOLS),
               below(random, 2) ? "0" : pick(random, NUMBERS)};
  std::size_t types = below(random, 8) == 0 ? 14 + below(random, 10) : below(random, 4);
  for (std::size_t i = 0; i < types; ++i) call.args.push_back(pick(random, SYMBOLS));
  if (below(random, 10) == 0) call.args.resize(below(random, 6));
  return call;
}

}  // namespace kirne_fuzz
