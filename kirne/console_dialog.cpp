#include "kirne/console_dialog.hpp"

#include <string>
#include <vector>

#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/orderly_stop.hpp"
#include "kirne/run_setup.hpp"

namespace kirne {

namespace {

common::TextOutput& out() { return common::TextOutput::standard_output(); }
common::TextInput& in() { return common::TextInput::standard_input(); }

void line(const std::string& text) { out().write(text).end_line(); }

void prompt(const char* text) {
  out().write(text);
  out().prompt_done();
}

// A question whose answer will never come would otherwise be asked forever.
void require_answer() {
  if (!in().at_eof()) return;
  out().end_line();
  stop_with_line(" Standard input has ended while a question was waiting !!!");
}

// The whole answer line. Its line end is consumed here, so an empty line is
// an answer of its own and never takes the next answer with it.
std::string answer_line() {
  require_answer();
  std::string answer = in().read_until_cr_or_lf();
  in().skip_past_cr_or_lf();
  return answer;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> found;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) found.push_back(text.substr(start, i - start));
  }
  return found;
}

// Only the first character counts; anything but N, Y, n, y asks again.
bool ask_yes_no(const char* question) {
  bool flag = false;
  for (;;) {
    prompt(question);
    std::string answer = answer_line();
    char cch = answer.empty() ? '\0' : answer[0];
    if (cch == 'Y' || cch == 'y') flag = true;
    if (cch == 'Y' || cch == 'y' || cch == 'N' || cch == 'n') return flag;
  }
}

}  // namespace

void print_banner(RunMode mode) {
  line("****************************************");
  line("*                 KIRNE                *");
  line("*              Version 6.1             *");
  line("*                                      *");
  line("*  Clusters and distribution functions *");
  line("*    from molecular-dynamics frames    *");
  line("****************************************");
  line("");
  if (mode == RunMode::Test) line("!!! Running in the test mode !!!");
  if (mode == RunMode::Interactive) line("!!! Running in the interactive mode !!!");
  line("");
}

void ask_atom_types(RunState& state) {
  std::vector<std::string> central;
  while (central.empty()) {
    prompt("Enter central atom type: ");
    central = words(answer_line());
  }
  prompt("Enter other atom types: ");
  std::vector<std::string> others = words(answer_line());
  require_type_table_room(static_cast<long long>(others.size()) + 1);
  state.POTN[1] = type_form(central[0]);
  for (std::size_t j = 0; j < others.size(); ++j) {
    state.POTN[static_cast<long long>(j) + 2] = type_form(others[j]);
  }
  state.NPOT = static_cast<std::int32_t>(others.size()) + 1;
  state.CENTATOM = state.POTN[1];
}

void print_type_table(const RunState& state) {
  out().write("Number of different atoms: ").write_integer(state.NPOT).end_line();
  line("");
  out().write("Atoms types are: ");
  for (std::int32_t j = 1; j <= state.NPOT; ++j) out().write(state.POTN[j]).write(' ');
  out().end_line();
  line("Central atom type is: " + state.CENTATOM);
}

void ask_name_and_rmax(RunState& state) {
  prompt("Enter XYZ-filename without extension: ");
  state.NAME = answer_line();
  prompt("Enter Rmax: ");
  require_answer();
  state.RMAX_FROM_ABSORBER = in().read_real();
  in().skip_past_cr_or_lf();
}

void print_parameter_echo(const RunState& state) {
  line("");
  line("XYZ-filename: " + state.NAME);
  out().write("Number of configurations to skip from the beginning: ");
  out().write_integer(state.SKIPFIRST).end_line();
  out().write("Number of configurations to skip during the run: ");
  out().write_integer(state.SKIP).end_line();
  out().write("Maximal distance from the absorber Rmax: ");
  out().write_real(state.RMAX_FROM_ABSORBER).end_line();
  line("");
}

void ask_distribution_choices(RunState& state) {
  state.FL_G2 = ask_yes_no("Do you want to calculate RDF_G2 and PRDFs ?[y/n] ");
  state.FL_G3 = ask_yes_no("Do you want to calculate RDF_G3 and PRDFs ?[y/n] ");
  state.FL_G4 = ask_yes_no("Do you want to calculate RDF_G4 and PRDFs ?[y/n] ");
}

// The trajectory is not open yet, so its length is unknown; the maximum
// shown is the limit that reads every configuration there is.
void ask_cluster_limit(RunState& state) {
  out().write(" How many clusters do you want to calculate (MAX=");
  out().write_integer(state.NCLMAX).write(")? ").end_line();
  require_answer();
  state.NCLMAX = in().read_integer();
  in().skip_past_cr_or_lf();
}

void pause_for_enter() {
  if (!in().at_eof()) in().skip_past_cr_or_lf();
}

}  // namespace kirne
