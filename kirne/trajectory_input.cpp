#include "kirne/trajectory_input.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "common/failure.hpp"
#include "common/number_syntax.hpp"
#include "kirne/decimal_fast_path.hpp"

namespace kirne {

namespace {

constexpr std::size_t BUFFER_SIZE = 1 << 20;
constexpr std::size_t MAX_TOKEN = 255;
constexpr char END_MARK = 26;

bool is_white(char c) { return static_cast<unsigned char>(c) <= 32 && c != END_MARK; }

}  // namespace

TrajectoryInput TrajectoryInput::open_file(const std::string& path) {
  TrajectoryInput input;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) common::fail_io(common::io_error_from_errno(errno));
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    common::fail_io(common::io_error_from_errno(EISDIR));
  }
  input.fd_ = fd;
  input.drained_ = false;
  input.buf_.resize(BUFFER_SIZE);
  return input;
}

TrajectoryInput TrajectoryInput::from_string(std::string data) {
  TrajectoryInput input;
  input.buf_.assign(data.begin(), data.end());
  input.end_ = input.buf_.size();
  return input;
}

TrajectoryInput::TrajectoryInput(TrajectoryInput&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      buf_(std::move(other.buf_)),
      pos_(other.pos_),
      end_(other.end_),
      drained_(other.drained_) {}

TrajectoryInput& TrajectoryInput::operator=(TrajectoryInput&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = std::exchange(other.fd_, -1);
    buf_ = std::move(other.buf_);
    pos_ = other.pos_;
    end_ = other.end_;
    drained_ = other.drained_;
  }
  return *this;
}

TrajectoryInput::~TrajectoryInput() { release(); }

void TrajectoryInput::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void TrajectoryInput::close() {
  if (fd_ >= 0 && ::close(fd_) != 0) {
    fd_ = -1;
    common::fail_io(common::io_error_from_errno(errno));
  }
  fd_ = -1;
  drained_ = true;
  pos_ = end_ = 0;
}

bool TrajectoryInput::fill(std::size_t want) {
  if (end_ - pos_ >= want) return true;
  if (drained_) return end_ > pos_;
  std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
  end_ -= pos_;
  pos_ = 0;
  while (end_ < want && !drained_) {
    ssize_t got = ::read(fd_, buf_.data() + end_, buf_.size() - end_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) common::fail_io(common::io_error_from_errno(errno));
    if (got == 0) drained_ = true;
    end_ += static_cast<std::size_t>(got);
  }
  return end_ > pos_;
}

bool TrajectoryInput::at_eof() { return !fill(1) || buf_[pos_] == END_MARK; }

bool TrajectoryInput::skip_white_space() {
  bool passed = false;
  while (fill(1)) {
    const char* p = buf_.data() + pos_;
    const char* stop = buf_.data() + end_;
    const char* q = p;
    while (q != stop && is_white(*q)) ++q;
    pos_ += static_cast<std::size_t>(q - p);
    passed = passed || q != p;
    if (q != stop) break;
  }
  return passed;
}

bool TrajectoryInput::only_white_space_left() {
  skip_white_space();
  return at_eof();
}

std::string_view TrajectoryInput::take_token() {
  fill(MAX_TOKEN + 1);
  const char* p = buf_.data() + pos_;
  std::size_t limit = std::min(end_ - pos_, MAX_TOKEN + 1);
  std::size_t n = 0;
  while (n<limit&& static_cast<unsigned char>(p[n])> 32) ++n;
  if (n > MAX_TOKEN) common::fail_io(common::IO_INVALID_INPUT);
  pos_ += n;
  return std::string_view(p, n);
}

std::int32_t TrajectoryInput::read_integer() {
  skip_white_space();
  if (at_eof()) return 0;
  std::optional<std::int32_t> value = common::parse_integer(take_token());
  if (!value) common::fail_io(common::IO_INVALID_INPUT);
  return *value;
}

double TrajectoryInput::read_real() {
  bool passed = skip_white_space();
  if (!fill(1)) {
    if (passed) return 0.0;
    common::fail_io(common::IO_INVALID_INPUT);
  }
  if (buf_[pos_] == END_MARK) common::fail_io(common::IO_INVALID_INPUT);
  std::string_view token = take_token();
  double fast = 0.0;
  if (decimal_fast_path(token, fast)) return fast;
  std::optional<double> value = common::parse_real(token);
  if (!value) common::fail_io(common::IO_INVALID_INPUT);
  return *value;
}

std::string_view TrajectoryInput::buffered(std::size_t want) {
  fill(want);
  return std::string_view(buf_.data() + pos_, end_ - pos_);
}

int TrajectoryInput::peek_in_line() {
  if (!fill(1)) return -1;
  char c = buf_[pos_];
  if (c == '\r' || c == '\n' || c == END_MARK) return -1;
  return static_cast<unsigned char>(c);
}

std::string TrajectoryInput::line() {
  std::string text;
  while (fill(1)) {
    const char* p = buf_.data() + pos_;
    std::size_t avail = end_ - pos_;
    const void* lf = std::memchr(p, '\n', avail);
    std::size_t n = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - p) : avail;
    for (std::size_t i = 0; i < n; ++i) {
      if (p[i] != '\r') text += p[i];
    }
    pos_ += lf ? n + 1 : n;
    if (lf) break;
  }
  return text;
}

void TrajectoryInput::skip_line() {
  while (fill(1)) {
    const char* p = buf_.data() + pos_;
    std::size_t avail = end_ - pos_;
    const void* lf = std::memchr(p, '\n', avail);
    if (lf) {
      pos_ += static_cast<std::size_t>(static_cast<const char*>(lf) - p) + 1;
      return;
    }
    pos_ = end_;
  }
}

}  // namespace kirne
