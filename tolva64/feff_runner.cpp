#include "tolva64/feff_runner.hpp"

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"

extern char** environ;

namespace tolva64 {

std::string feff_announcement(int cluster_number, const std::string& cluster_name) {
  return "*** Cluster #" + common::integer_layout(cluster_number, 3) +
         ". FEFF started for the file: " + cluster_name + ".";
}

void run_feff(int cluster_number, const std::string& cluster_name, const std::string& program) {
  common::TextOutput& console = common::TextOutput::standard_output();
  console.write(feff_announcement(cluster_number, cluster_name)).end_line();
  // FEFF writes to the same stream; what we printed must reach it first, even
  // when the output is a pipe and would otherwise wait for a full buffer.
  console.flush();

  std::string path = common::current_directory() + "/" + program;
  std::vector<char*> argv{path.data(), nullptr};
  pid_t pid = 0;
  int rc = posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ);
  if (rc != 0) common::fail_process(rc);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace tolva64
