#include "feff8l/failure_reason.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <string_view>

namespace feff8l {

namespace {

constexpr std::size_t kMaxReasonLength = 200;

constexpr std::array<std::string_view, 10> kErrorWords{
    "error",  "fatal",        "cannot",    "can not",  "could not",
    "unable", "unrecognized", "not found", "exceeded", "abnormal"};

struct KnownCause {
  std::string_view message;      // a piece of FEFF's own line
  std::string_view explanation;  // what it means for the user's input
};

constexpr std::array<KnownCause, 1> kKnownCauses{{
    {"NO ATOMS CLOSE ENOUGH TO OVERLAP", "A potential may have no atom near the absorber"},
}};

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string lower_case(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool speaks_of_error(const std::string& line) {
  const std::string lower = lower_case(line);
  return std::any_of(kErrorWords.begin(), kErrorWords.end(), [&](std::string_view word) {
    return lower.find(word) != std::string::npos;
  });
}

std::string quoted(const std::string& line) { return "\"" + tidy_log_line(line) + "\""; }

std::optional<FailureReason> first_error_line(const LogText& log) {
  for (const std::string& line : lines_of(log.text)) {
    if (speaks_of_error(line)) return FailureReason{quoted(line), log.file};
  }
  return std::nullopt;
}

std::optional<FailureReason> known_cause(const LogText& log) {
  for (const std::string& line : lines_of(log.text)) {
    for (const KnownCause& cause : kKnownCauses) {
      if (line.find(cause.message) == std::string::npos) continue;
      return FailureReason{std::string(cause.explanation) + ": " + quoted(line), log.file};
    }
  }
  return std::nullopt;
}

bool is_blank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// FEFF's stop tags are one short upper-case word, maybe numbered: "RDINP",
// "XCPOT-2", "CHOPEN".
bool is_stop_tag(const std::string& line) {
  const std::string word = tidy_log_line(line);
  if (word.empty() || word.size() > 16) return false;
  bool has_letter = false;
  for (char c : word) {
    if (std::isupper(static_cast<unsigned char>(c))) {
      has_letter = true;
    } else if (!std::isdigit(static_cast<unsigned char>(c)) && c != '-' && c != '_') {
      return false;
    }
  }
  return has_letter;
}

// A line with a word of three letters or more; number dumps have none.
bool is_text(const std::string& line) {
  int run = 0;
  for (char c : line) {
    run = std::isalpha(static_cast<unsigned char>(c)) ? run + 1 : 0;
    if (run >= 3) return true;
  }
  return false;
}

std::optional<FailureReason> line_before_stop_tag(const LogText& log) {
  std::vector<std::string> lines = lines_of(log.text);
  while (!lines.empty() && is_blank(lines.back())) lines.pop_back();
  if (lines.empty() || !is_stop_tag(lines.back())) return std::nullopt;
  lines.pop_back();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    if (is_text(*line)) return FailureReason{quoted(*line), log.file};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FailureReason> find_failure_reason(const std::vector<LogText>& earlier_logs,
                                                 const LogText& module_log,
                                                 const LogText& console) {
  if (auto reason = first_error_line(module_log)) return reason;
  if (auto reason = first_error_line(console)) return reason;
  if (auto reason = known_cause(module_log)) return reason;
  for (auto log = earlier_logs.rbegin(); log != earlier_logs.rend(); ++log) {
    if (auto reason = known_cause(*log)) return reason;
  }
  return line_before_stop_tag(module_log);
}

std::string tidy_log_line(const std::string& line) {
  std::string tidy;
  for (char c : line) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && (tidy.empty() || tidy.back() == ' ')) continue;
    tidy += blank ? ' ' : c;
  }
  if (!tidy.empty() && tidy.back() == ' ') tidy.pop_back();
  if (tidy.size() > kMaxReasonLength) tidy = tidy.substr(0, kMaxReasonLength - 3) + "...";
  return tidy;
}

}  // namespace feff8l
