#pragma once
// The failure report: every file operation, number read and real-arithmetic
// fault ends the program here, with a report on standard error and status 217.
#include <string>

namespace common {

inline constexpr int kFailureExitStatus = 217;

// I/O error codes of the report's message table.
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kDiskFull = 101;
inline constexpr int kFileNotOpen = 103;
inline constexpr int kNotOpenForInput = 104;
inline constexpr int kNotOpenForOutput = 105;
inline constexpr int kInvalidInput = 106;

// "File not found", ..., or "Unknown Run-Time error : 0nn" for other codes.
std::string io_error_message(int code);

// Maps an errno value of a failed open/read/write/close to the table's code:
// ENOENT 2, ENOTDIR 3, EMFILE/ENFILE 4, EACCES/EPERM/EROFS/EISDIR 5,
// ENOSPC/EDQUOT 101, any other errno value stands for itself.
int io_error_from_errno(int err);

// As io_error_from_errno for a failed open of `path`. A missing file is
// "File not found" for reading only when its directory exists; otherwise, and
// always when creating, the path itself is wrong: "Invalid filename".
int io_error_opening(int err, const std::string& path, bool for_writing);

// True once the failure report has begun: output errors are then ignored.
bool failure_in_progress();

// Writes "An unhandled exception occurred at $<16 hex>:", "<class>: <message>",
// the call-trace line and an empty line to standard error (LF line ends: it
// is the console, not a data file), after flushing every open text output,
// then exits with status 217.
[[noreturn]] void fail_report(const std::string& error_class, const std::string& message,
                              const std::string& context = "");

[[noreturn]] void fail_io(int code);         // EInOutError
// As fail_io, then one more line on standard error that points at the
// problem: "md.xyz, line 7: \"1,5\" is not a number". Where a read of a text
// input fails without one, the input that was read last names its place.
[[noreturn]] void fail_io(int code, const std::string& context);
[[noreturn]] void fail_invalid_op();         // EInvalidOp: Invalid floating point operation
[[noreturn]] void fail_zero_divide();        // EZeroDivide: Floating point division by zero
[[noreturn]] void fail_overflow();           // EOverflow: Floating point overflow
[[noreturn]] void fail_process(int os_error);  // EProcess: Failed to execute  : <code>

// An orderly stop: flushes and closes every open text output, then exits.
[[noreturn]] void stop_program(int exit_code);

// A fault of the program itself, never of the user's data (an index past
// a table that a check should have kept it inside): one line on standard
// error naming the program and the fault, then abort, so a core dump or a
// debugger shows where it happened.
[[noreturn]] void program_fault(const std::string& what);

}  // namespace common
