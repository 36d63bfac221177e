#pragma once
// kirne --help and kirne --version: a run whose only argument is one of them
// prints its text and ends, done, before anything else is said or written.
#include <optional>
#include <string>
#include <vector>

namespace kirne {

// The usage, the arguments and options, and the exit codes.
std::string help_text();

// "kirne 6.1", the version of the banner.
std::string version_text();

// The text that the argument list asks for: help or version when it is
// "--help" or "--version" alone; nothing for every other list, which keeps
// its meaning.
std::optional<std::string> requested_text(const std::vector<std::string>& args);

}  // namespace kirne
