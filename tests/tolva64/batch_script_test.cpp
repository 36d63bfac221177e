// The job-array script of tolva64 --slurm and the commands that submit it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tolva64/batch_script.hpp"
#include "tolva64_test_run.hpp"

namespace {

using namespace tolva64;

// A task whose clusters have no FEFF result, some or all, still succeeds.
const std::string kStatusLines =
    "status=$?\n"
    "# 3 and 4: some or all clusters of this task have no FEFF result (see its\n"
    "# output); the averaging after the array still runs and reports them.\n"
    "if [ \"$status\" -eq 3 ] || [ \"$status\" -eq 4 ]; then exit 0; fi\n"
    "exit \"$status\"\n";

TEST(BatchScript, ShellWordsAreQuotedOnlyWhenNeeded) {
  EXPECT_EQ(shell_word("/opt/bin/tolva64"), "/opt/bin/tolva64");
  EXPECT_EQ(shell_word("/my runs/tolva64"), "'/my runs/tolva64'");
  EXPECT_EQ(shell_word("it's"), "'it'\\''s'");
  EXPECT_EQ(shell_word("$HOME"), "'$HOME'");
  EXPECT_EQ(shell_word(""), "''");
}

TEST(BatchScript, ScriptRunsShardIOfAFixedNumber) {
  BatchSettings settings{"/opt/bin/tolva64", "short", 4, 8, " --drop-absent-potentials",
                         " --common-grid"};
  const std::string submit =
      "jid=$(sbatch --parsable tolva64.sbatch)\n"
      "sbatch --dependency=afterok:${jid%%;*} --kill-on-invalid-dep=yes "
      "--job-name=tolva64-average --partition=short --output=tolva64_average.out "
      "--wrap='/opt/bin/tolva64 --average --common-grid'\n";
  EXPECT_EQ(submit_commands(settings), submit);
  EXPECT_EQ(batch_script_text(settings),
            "#!/bin/bash\n"
            "#SBATCH --job-name=tolva64\n"
            "#SBATCH --partition=short\n"
            "#SBATCH --array=1-4\n"
            "#SBATCH --ntasks=1\n"
            "#SBATCH --cpus-per-task=8\n"
            "#SBATCH --output=tolva64_%A_%a.out\n"
            "# Written by tolva64 --slurm. Array task I runs shard I of the cluster list\n"
            "# with as many FEFF runs at once as it has cores, and writes the\n"
            "# per-cluster files of its clusters. Submit it from the run directory,\n"
            "# with the averaging that waits for every task:\n"
            "#   jid=$(sbatch --parsable tolva64.sbatch)\n"
            "#   sbatch --dependency=afterok:${jid%%;*} --kill-on-invalid-dep=yes "
            "--job-name=tolva64-average "
            "--partition=short --output=tolva64_average.out "
            "--wrap='/opt/bin/tolva64 --average --common-grid'\n"
            "/opt/bin/tolva64 --shard \"$SLURM_ARRAY_TASK_ID/4\" "
            "--jobs \"${SLURM_CPUS_PER_TASK:-8}\" --drop-absent-potentials\n" + kStatusLines);
}

TEST(BatchScript, DefaultsFollowTheSizeOfTheList) {
  RunOptions options;
  EXPECT_EQ(batch_settings_for(options, 3).tasks, 3);
  EXPECT_EQ(batch_settings_for(options, 0).tasks, 1);
  EXPECT_EQ(batch_settings_for(options, 5000).tasks, 10);
  EXPECT_EQ(batch_settings_for(options, 5000).cpus_per_task, 4);
  EXPECT_EQ(batch_settings_for(options, 5000).partition, "");
  EXPECT_EQ(batch_settings_for(options, 5000).task_options, "");
  EXPECT_EQ(batch_settings_for(options, 5000).average_options, "");
  options.tasks = 64;
  options.cpus_per_task = 2;
  options.drop_absent_potentials = true;
  options.averaging = AveragingMode{true, true};
  EXPECT_EQ(batch_settings_for(options, 3).tasks, 64);
  EXPECT_EQ(batch_settings_for(options, 3).cpus_per_task, 2);
  EXPECT_EQ(batch_settings_for(options, 3).task_options, " --drop-absent-potentials");
  EXPECT_EQ(batch_settings_for(options, 3).average_options, " --common-grid --align-edge");
}

TEST(BatchScript, ProgramWritesAnExecutableScriptAndPrintsTheSubmission) {
  tolva64_test::RunDir dir;
  dir.write("conf.dat", "a.xyz\nb.xyz\nc.xyz\n");
  auto result = test_support::run_program(TOLVA64_BIN, {"--slurm", "-c", "2"}, dir.path());
  ASSERT_EQ(result.exit_code, 0);
  // The program names itself by its absolute path, which differs from build
  // to build; everything else is written out here.
  const std::string program = std::filesystem::canonical(TOLVA64_BIN).string();
  ASSERT_EQ(program.find_first_of(" '$\""), std::string::npos) << "needs quoting: " << program;
  const std::string average =
      "sbatch --dependency=afterok:${jid%%;*} --kill-on-invalid-dep=yes "
      "--job-name=tolva64-average --output=tolva64_average.out --wrap='" + program +
      " --average'";
  EXPECT_EQ(result.out,
            tolva64_test::banner() +
                test_support::crlf(
                    " Wrote tolva64.sbatch: 3 clusters in 3 array tasks of 2 cores, the "
                    "default partition.\n"
                    " Submit the FEFF runs, and the averaging that waits for them, from "
                    "this directory:\n"
                    "   jid=$(sbatch --parsable tolva64.sbatch)\n"
                    "   " + average + "\n"));
  EXPECT_EQ(dir.read("tolva64.sbatch"),
            "#!/bin/bash\n"
            "#SBATCH --job-name=tolva64\n"
            "#SBATCH --array=1-3\n"
            "#SBATCH --ntasks=1\n"
            "#SBATCH --cpus-per-task=2\n"
            "#SBATCH --output=tolva64_%A_%a.out\n"
            "# Written by tolva64 --slurm. Array task I runs shard I of the cluster list\n"
            "# with as many FEFF runs at once as it has cores, and writes the\n"
            "# per-cluster files of its clusters. Submit it from the run directory,\n"
            "# with the averaging that waits for every task:\n"
            "#   jid=$(sbatch --parsable tolva64.sbatch)\n"
            "#   " + average + "\n" +
            program + " --shard \"$SLURM_ARRAY_TASK_ID/3\" "
            "--jobs \"${SLURM_CPUS_PER_TASK:-2}\"\n" + kStatusLines);
  struct stat info {};
  ASSERT_EQ(stat((dir / "tolva64.sbatch").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
  EXPECT_FALSE(dir.exists("feff.inp"));
}

}  // namespace
