#pragma once
// Stops that are the user's business rather than a failed file operation:
// one line on standard output, every open output flushed, exit code 0.
#include <string>

namespace kirne {

[[noreturn]] void stop_with_line(const std::string& line);

}  // namespace kirne
