#include "kirne/console_dialog.hpp"

#include <optional>
#include <string>
#include <vector>

#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "common/words.hpp"
#include "kirne/type_table.hpp"
#include "kirne/version.hpp"

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
MaybeStop require_answer() {
  if (!in().at_eof()) return std::nullopt;
  out().end_line();
  return RunStop{" Standard input has ended while a question was waiting !!!"};
}

// The whole answer line, or the stop when none can come. Its line end is
// consumed here, so an empty line is an answer of its own and never takes
// the next answer with it.
MaybeStop answer_line(std::string& answer) {
  if (MaybeStop stop = require_answer()) return stop;
  answer = in().read_until_cr_or_lf();
  in().skip_past_cr_or_lf();
  return std::nullopt;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> found;
  for (std::string_view word : common::split_words(text)) found.emplace_back(word);
  return found;
}

// Only the first character counts; anything but N, Y, n, y asks again. Each
// flag starts false and is only ever set to true.
MaybeStop ask_yes_no(const char* question, bool& flag) {
  for (;;) {
    prompt(question);
    std::string answer;
    if (MaybeStop stop = answer_line(answer)) return stop;
    char cch = answer.empty() ? '\0' : answer[0];  // CCH
    if (cch == 'Y' || cch == 'y') flag = true;
    if (cch == 'Y' || cch == 'y' || cch == 'N' || cch == 'n') return std::nullopt;
  }
}

}  // namespace

void print_banner(RunMode mode) {
  line("****************************************");
  line("*                 KIRNE                *");
  line(std::string("*              Version ") + kVersion + "             *");
  line("*                                      *");
  line("*  Clusters and distribution functions *");
  line("*    from molecular-dynamics frames    *");
  line("****************************************");
  line("");
  if (mode == RunMode::Test) line("!!! Running in the test mode !!!");
  if (mode == RunMode::Interactive) line("!!! Running in the interactive mode !!!");
  line("");
}

MaybeStop ask_atom_types(RunParameters& parameters) {
  std::vector<std::string> central;
  while (central.empty()) {
    prompt("Enter central atom type: ");
    std::string answer;
    if (MaybeStop stop = answer_line(answer)) return stop;
    central = words(answer);
  }
  prompt("Enter other atom types: ");
  std::string others;
  if (MaybeStop stop = answer_line(others)) return stop;
  std::vector<std::string> types{central.front()};
  for (std::string& other : words(others)) types.push_back(std::move(other));
  return take_types(types, parameters);
}

void print_type_table(const RunParameters& parameters) {
  out().write("Number of different atoms: ").write_integer(parameters.type_count()).end_line();
  line("");
  out().write("Atoms types are: ");
  for (const Symbol& type : parameters.types) out().write(type).write(' ');
  out().end_line();
  line("Central atom type is: " + parameters.absorber_type());
}

MaybeStop ask_name_and_radius(RunParameters& parameters) {
  prompt("Enter XYZ-filename without extension: ");
  if (MaybeStop stop = answer_line(parameters.trajectory_name)) return stop;
  prompt("Enter Rmax: ");
  if (MaybeStop stop = require_answer()) return stop;
  parameters.cluster_radius = in().read_real();
  in().skip_past_cr_or_lf();
  return std::nullopt;
}

void print_parameter_echo(const RunParameters& parameters) {
  line("");
  line("XYZ-filename: " + parameters.trajectory_name);
  out().write("Number of configurations to skip from the beginning: ");
  out().write_integer(parameters.skip_first).end_line();
  out().write("Number of configurations to skip during the run: ");
  out().write_integer(parameters.skip_between).end_line();
  out().write("Maximal distance from the absorber Rmax: ");
  out().write_real(parameters.cluster_radius).end_line();
  line("");
}

MaybeStop ask_distribution_choices(RunParameters& parameters) {
  DistributionChoice& choice = parameters.distributions;
  if (MaybeStop stop = ask_yes_no("Do you want to calculate RDF_G2 and PRDFs ?[y/n] ", choice.g2)) {
    return stop;
  }
  if (MaybeStop stop = ask_yes_no("Do you want to calculate RDF_G3 and PRDFs ?[y/n] ", choice.g3)) {
    return stop;
  }
  return ask_yes_no("Do you want to calculate RDF_G4 and PRDFs ?[y/n] ", choice.g4);
}

// The trajectory is not open yet, so its length is unknown; the maximum
// shown is the limit that reads every configuration there is.
MaybeStop ask_configuration_limit(RunParameters& parameters) {
  out().write(" How many clusters do you want to calculate (MAX=");
  out().write_integer(parameters.configuration_limit).write(")? ").end_line();
  if (MaybeStop stop = require_answer()) return stop;
  parameters.configuration_limit = in().read_integer();
  in().skip_past_cr_or_lf();
  return std::nullopt;
}

void pause_for_enter() {
  if (!in().at_eof()) in().skip_past_cr_or_lf();
}

}  // namespace kirne
