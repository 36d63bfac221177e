#include "kirne/reading_progress.hpp"

#include <filesystem>
#include <system_error>

namespace kirne {

namespace {

constexpr std::uint64_t kMegabyte = 1000 * 1000;
constexpr auto kQuietStart = std::chrono::seconds(1);

}  // namespace

ProgressUnit progress_unit(std::uint64_t total_bytes) {
  if (total_bytes < 100 * kMegabyte) return ProgressUnit{1000, "kB read"};
  return ProgressUnit{kMegabyte, "MB read"};
}

ReadingProgress::ReadingProgress(const std::string& path, bool wanted)
    : start_(std::chrono::steady_clock::now()) {
  if (!wanted) return;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size == 0) return;
  unit_ = progress_unit(size);
  const std::uint64_t units = (size + unit_.bytes - 1) / unit_.bytes;
  line_.emplace(static_cast<long>(units), unit_.name);
}

void ReadingProgress::update(std::uint64_t bytes_read) {
  if (!line_ || std::chrono::steady_clock::now() - start_ < kQuietStart) return;
  line_->update(static_cast<long>(bytes_read / unit_.bytes));
}

}  // namespace kirne
