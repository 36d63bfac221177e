#include "feff8l/failure_line.hpp"

namespace feff8l {

std::string failure_line(const ModuleFailure& failure, const std::string& kept_folder,
                         const std::string& console_file) {
  std::string line = " FEFF " + failure.module + " failed: " + failure.what;
  if (failure.reason) line += ". " + failure.reason->text;
  const std::string log = failure.reason ? failure.reason->file : failure.log_file;
  line += "; see " + kept_folder + "/" + log;
  if (log != console_file) line += " and " + kept_folder + "/" + console_file;
  return line;
}

}  // namespace feff8l
