#include "feff8l/command_line.hpp"

#include <gtest/gtest.h>

namespace {

using feff8l::Command;
using feff8l::read_command_line;

TEST(CommandLine, NoArgumentsRunsFeffAsTheAveragerStartsIt) {
  const auto line = read_command_line({});
  EXPECT_EQ(line.command, Command::Run);
  EXPECT_EQ(line.problem, "");
}

TEST(CommandLine, ReadsTheOptions) {
  EXPECT_EQ(read_command_line({"--help"}).command, Command::Help);
  EXPECT_EQ(read_command_line({"-h"}).command, Command::Help);
  EXPECT_EQ(read_command_line({"--version"}).command, Command::Version);
  const auto install = read_command_line({"--install", "run dir"});
  EXPECT_EQ(install.command, Command::Install);
  EXPECT_EQ(install.install_directory, "run dir");
  EXPECT_EQ(install.problem, "");
}

TEST(CommandLine, NamesWhatItCannotUse) {
  EXPECT_EQ(read_command_line({"--install"}).problem,
            "--install needs the directory to install feff.exe in");
  EXPECT_EQ(read_command_line({"--install", "a", "b"}).problem, "unexpected argument b");
  EXPECT_EQ(read_command_line({"--help", "x"}).problem, "unexpected argument x");
  EXPECT_EQ(read_command_line({"feff.inp"}).problem, "unexpected argument feff.inp");
  EXPECT_EQ(read_command_line({"--instal", "a"}).problem, "unexpected argument --instal");
}

}  // namespace
