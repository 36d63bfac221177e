// The command line of tolva64: the forms each option takes, the modes they
// select, and the exact complaints about bad command lines.
#include <gtest/gtest.h>

#include "tolva64/run_options.hpp"
#include "tolva64_test_run.hpp"

namespace {

using tolva64::CommandLineAction;
using tolva64::parse_command_line;
using tolva64::CommandLine;
using tolva64::RunMode;

TEST(RunOptions, NoArgumentsIsThePlainRun) {
  auto parsed = parse_command_line({});
  EXPECT_EQ(parsed.action, CommandLineAction::Run);
  EXPECT_EQ(parsed.options.mode, RunMode::Plain);
}

TEST(RunOptions, JobsTakesEveryUsualForm) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--jobs", "3"}, {"--jobs=3"}, {"-j", "3"}, {"-j3"}, {"-j", "1", "-j", "3"}}) {
    auto parsed = parse_command_line(args);
    EXPECT_EQ(parsed.error, "") << args[0];
    EXPECT_EQ(parsed.options.mode, RunMode::Scratch);
    EXPECT_EQ(parsed.options.jobs, 3);
    EXPECT_FALSE(parsed.options.shard);
  }
  EXPECT_EQ(parse_command_line({"--keep-scratch"}).options.mode, RunMode::Scratch);
  EXPECT_EQ(parse_command_line({"--keep-scratch"}).options.jobs, 1);
}

TEST(RunOptions, ShardSelectsLinesByTheirRemainder) {
  auto parsed = parse_command_line({"--shard", "2/3", "-j", "2"});
  ASSERT_EQ(parsed.error, "");
  ASSERT_TRUE(parsed.options.shard);
  std::vector<int> held;
  for (int n = 1; n <= 9; ++n) {
    if (parsed.options.shard->holds(n)) held.push_back(n);
  }
  EXPECT_EQ(held, (std::vector<int>{2, 5, 8}));
  EXPECT_TRUE(parse_command_line({"--shard=1/1"}).options.shard->holds(7));
  EXPECT_TRUE(parse_command_line({"--shard=3/3"}).options.shard->holds(3));
  EXPECT_FALSE(parse_command_line({"--shard=3/3"}).options.shard->holds(4));
}

TEST(RunOptions, SlurmTakesItsSettings) {
  auto parsed = parse_command_line({"--slurm", "-p", "short", "--tasks", "8", "-c16"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.mode, RunMode::BatchScript);
  EXPECT_EQ(parsed.options.partition, "short");
  EXPECT_EQ(parsed.options.tasks, 8);
  EXPECT_EQ(parsed.options.cpus_per_task, 16);
  auto defaults = parse_command_line({"--slurm"}).options;
  EXPECT_EQ(defaults.partition, "");
  EXPECT_EQ(defaults.tasks, 0);
  EXPECT_EQ(defaults.cpus_per_task, 0);
  EXPECT_EQ(parse_command_line({"--average"}).options.mode, RunMode::Average);
  EXPECT_EQ(parse_command_line({"-j", "2", "--help"}).action, CommandLineAction::Help);
  EXPECT_EQ(parse_command_line({"--average", "-j", "2", "-h"}).action, CommandLineAction::Help);
  EXPECT_EQ(parse_command_line({"-h", "-j", "0"}).action, CommandLineAction::Error);
}

TEST(RunOptions, VersionWinsOverOtherOptionsButNotOverHelp) {
  EXPECT_EQ(parse_command_line({"--version"}).action, CommandLineAction::Version);
  EXPECT_EQ(parse_command_line({"--slurm", "--version"}).action, CommandLineAction::Version);
  EXPECT_EQ(parse_command_line({"--version", "--average", "-j2"}).action,
            CommandLineAction::Version);
  EXPECT_EQ(parse_command_line({"--version", "-h"}).action, CommandLineAction::Help);
  EXPECT_EQ(parse_command_line({"--version", "-j", "0"}).action, CommandLineAction::Error);
  EXPECT_EQ(parse_command_line({"--version=2"}).error, "--version takes no value");
  EXPECT_EQ(parse_command_line({"-V"}).error, "unknown option '-V'");
}

TEST(RunOptions, InputAndAveragingOptionsKeepTheMode) {
  auto plain = parse_command_line({"--drop-absent-potentials", "--common-grid", "--align-edge"});
  ASSERT_EQ(plain.action, CommandLineAction::Run);
  EXPECT_EQ(plain.options.mode, RunMode::Plain);
  EXPECT_TRUE(plain.options.drop_absent_potentials);
  EXPECT_TRUE(plain.options.averaging.common_grid);
  EXPECT_TRUE(plain.options.averaging.align_edge);
  auto average = parse_command_line({"--common-grid", "--average"});
  EXPECT_EQ(average.options.mode, RunMode::Average);
  EXPECT_FALSE(average.options.averaging.align_edge);
  auto jobs = parse_command_line({"-j2", "--drop-absent-potentials"});
  EXPECT_EQ(jobs.options.mode, RunMode::Scratch);
  EXPECT_FALSE(jobs.options.averaging.common_grid);
  EXPECT_EQ(parse_command_line({"--slurm", "--common-grid"}).options.mode, RunMode::BatchScript);
}

TEST(RunOptions, BadCommandLinesAreNamed) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--jobs"}, "--jobs needs a value"},
      {{"--jobs", "0"}, "--jobs needs a whole number from 1 to 512, not '0'"},
      {{"-j", "two"}, "--jobs needs a whole number from 1 to 512, not 'two'"},
      {{"--jobs=513"}, "--jobs needs a whole number from 1 to 512, not '513'"},
      {{"-j", "+2"}, "--jobs needs a whole number from 1 to 512, not '+2'"},
      {{"--shard", "0/3"}, "--shard needs I/N with 1 <= I <= N, not '0/3'"},
      {{"--shard", "4/3"}, "--shard needs I/N with 1 <= I <= N, not '4/3'"},
      {{"--shard", "3"}, "--shard needs I/N with 1 <= I <= N, not '3'"},
      {{"--average=yes"}, "--average takes no value"},
      {{"--average", "-j", "2"}, "--average does not go with --jobs"},
      {{"--slurm", "--shard", "1/2"},
       "--slurm does not go with --shard (the script sets them for each task)"},
      {{"--tasks", "4"}, "--tasks belongs to --slurm"},
      {{"--align-edge"}, "--align-edge belongs to --common-grid"},
      {{"--average", "--align-edge"}, "--align-edge belongs to --common-grid"},
      {{"--average", "--drop-absent-potentials"},
       "--average does not go with --drop-absent-potentials"},
      {{"--common-grid=yes"}, "--common-grid takes no value"},
      {{"--slurm", "-p", "a b"}, "--partition: not a partition name: 'a b'"},
      {{"--slurm", "--cpus-per-task", "-1"},
       "--cpus-per-task needs a whole number from 1 to 100000, not '-1'"},
      {{"--job", "2"}, "unknown option '--job'"},
      {{"-x"}, "unknown option '-x'"},
      {{"conf.dat"}, "unexpected argument 'conf.dat'"},
      {{"-"}, "unexpected argument '-'"},
      {{"--"}, "unexpected argument '--'"},
  };
  for (const auto& [args, error] : cases) {
    CommandLine parsed = parse_command_line(args);
    EXPECT_EQ(parsed.action, CommandLineAction::Error) << error;
    EXPECT_EQ(parsed.error, error);
  }
}

TEST(RunOptions, ProgramStopsWithCodeTwoOnABadCommandLine) {
  tolva64_test::RunDir dir;
  auto result = test_support::run_program(TOLVA64_BIN, {"--jobs", "0"}, dir.path());
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "tolva64: --jobs needs a whole number from 1 to 512, not '0'\n"
            "Try 'tolva64 --help' for the options.\n");
  auto help = test_support::run_program(TOLVA64_BIN, {"-h"}, dir.path());
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.rfind("Usage: tolva64 [options]\n", 0), 0u);
  EXPECT_NE(help.out.find("--cpus-per-task"), std::string::npos);
  EXPECT_NE(help.out.find("\n  4    no cluster has a FEFF result\n"), std::string::npos);
  EXPECT_EQ(help.err, "");
  auto version = test_support::run_program(TOLVA64_BIN, {"--version"}, dir.path());
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "tolva64 4.2\n");
  EXPECT_EQ(version.err, "");
  EXPECT_FALSE(dir.exists("feff.inp"));
}

}  // namespace
