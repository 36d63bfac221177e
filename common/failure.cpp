// The failure report and the orderly stop. Both pass on every open text
// output first, so whatever the run wrote before the stop reaches its file.
#include "common/failure.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "common/text_input.hpp"
#include "common/text_output.hpp"

namespace common {

namespace {

bool reporting = false;

// The report names no real code address: a fixed one keeps the report the
// same from run to run, so it can be compared byte for byte.
constexpr const char* kReportAddress = "$0000000000000000";

void write_all_to_stderr(const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    ssize_t n = ::write(STDERR_FILENO, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // nothing else can report it
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

bool directory_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string parent_directory(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

std::string io_error_message(int code) {
  switch (code) {
    case kFileNotFound: return "File not found";
    case kInvalidFilename: return "Invalid filename";
    case kTooManyOpenFiles: return "Too many open files";
    case kAccessDenied: return "Access denied";
    case kDiskFull: return "Disk Full";
    case kFileNotOpen: return "File not open";
    case kNotOpenForInput: return "File not open for input";
    case kNotOpenForOutput: return "File not open for output";
    case kInvalidInput: return "Invalid input";
    default: break;
  }
  char digits[32];
  std::snprintf(digits, sizeof digits, "%03d", code);
  return std::string("Unknown Run-Time error : ") + digits;
}

int io_error_from_errno(int err) {
  switch (err) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kInvalidFilename;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return kAccessDenied;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    default: return err;
  }
}

int io_error_opening(int err, const std::string& path, bool for_writing) {
  if (err == ENOENT) {
    if (for_writing) return kInvalidFilename;
    return directory_exists(parent_directory(path)) ? kFileNotFound : kInvalidFilename;
  }
  return io_error_from_errno(err);
}

bool failure_in_progress() { return reporting; }

void fail_report(const std::string& error_class, const std::string& message,
                 const std::string& context) {
  if (!reporting) {
    reporting = true;
    // Errors while passing on the outputs are ignored from here on: the
    // report of the first failure is the one that goes out.
    TextOutput::flush_all();
    std::fflush(nullptr);
  }
  std::string report = std::string("An unhandled exception occurred at ") + kReportAddress + ":\n";
  report += error_class + ": " + message + "\n";
  report += std::string("  ") + kReportAddress + "\n";
  report += "\n";
  if (!context.empty()) report += " " + context + "\n";
  write_all_to_stderr(report);
  std::_Exit(kFailureExitStatus);
}

void fail_io(int code) {
  // A bad number or line is always about what was being read.
  std::string context = code == kInvalidInput ? TextInput::place_of_last_read() : "";
  fail_report("EInOutError", io_error_message(code), context);
}

void fail_io(int code, const std::string& context) {
  fail_report("EInOutError", io_error_message(code), context);
}

void fail_invalid_op() { fail_report("EInvalidOp", "Invalid floating point operation"); }

void fail_zero_divide() { fail_report("EZeroDivide", "Floating point division by zero"); }

void fail_overflow() { fail_report("EOverflow", "Floating point overflow"); }

void fail_process(int os_error) {
  // The message template names the program with an empty text, hence the
  // two blanks in front of the colon.
  fail_report("EProcess", "Failed to execute  : " + std::to_string(os_error));
}

void program_fault(const std::string& what) {
  TextOutput::flush_all();
  std::fflush(nullptr);
  write_all_to_stderr(std::string(program_invocation_short_name) + ": program fault: " + what +
                      "\n");
  std::abort();
}

void stop_program(int exit_code) {
  TextOutput::close_all();
  std::fflush(nullptr);
  std::exit(exit_code);
}

}  // namespace common
