// The progress line of a long run: on a terminal, its quiet first second
// and its count of the file read.
#include "kirne/reading_progress.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "test_support.hpp"

using namespace kirne;

namespace {

// Everything the child writes on standard error, which is a terminal here.
std::string on_a_terminal(const std::function<void()>& body) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return "(no terminal)";
  const pid_t pid = fork();
  if (pid == 0) {
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    dup2(slave, STDERR_FILENO);
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  std::string seen;
  char buffer[256];
  fcntl(master, F_SETFL, O_NONBLOCK);
  for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;)
    seen.append(buffer, std::size_t(n));
  close(master);
  return seen;
}

}  // namespace

// A 2500-byte file counts in kB, its total rounded up to 3. The first
// second shows nothing; then the line shows the bytes read, rounded down,
// and is cleared when the progress goes away.
TEST(ReadingProgress, QuietFirstSecondThenTheCountOnATerminal) {
  test_support::TempDir dir;
  const std::string path = (dir / "md.xyz").string();
  test_support::write_file(path, std::string(2500, 'x'));
  const std::string seen = on_a_terminal([&] {
    ReadingProgress progress(path, true);
    progress.update(1000);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    progress.update(1999);
    ReadingProgress unwanted(path, false);
    unwanted.update(2500);
  });
  if (seen == "(no terminal)") GTEST_SKIP() << "no pseudo-terminal here";
  // The times depend on the machine's pace; the count and the drawing do not.
  const std::string start = "\r 1 of 3 kB read, 0:0";
  ASSERT_EQ(seen.substr(0, start.size()), start) << seen;
  const std::size_t width = seen.find('\r', 1) - 1;
  EXPECT_EQ(seen.substr(width + 1), "\r" + std::string(width, ' ') + "\r") << seen;
}
