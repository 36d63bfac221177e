#pragma once
// Judging a module that has ended: did it do its work, and if not, what
// does the failure line say.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "feff8l/failure_line.hpp"
#include "feff8l/module_process.hpp"
#include "feff8l/module_table.hpp"

namespace feff8l {

// nullopt when the module exited with status 0 and wrote all its outputs;
// otherwise "cannot start <program> (<reason>)", "killed by signal <n>
// (<name>)", "exit status <n>" or "no <output>", in that order of
// precedence. A stopped module is not judged here.
std::optional<std::string> module_fault(const FeffModule& module, const std::string& program,
                                        const ModuleEnd& end,
                                        const std::filesystem::path& scratch);

// The failure of modules()[index], with the reason read from the logs of the
// modules so far and from what it wrote to the console log past
// `console_start`.
ModuleFailure describe_failure(std::size_t index, const std::string& fault,
                               const std::filesystem::path& scratch,
                               std::uintmax_t console_start);

}  // namespace feff8l
