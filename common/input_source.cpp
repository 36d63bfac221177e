// Opening, refilling and closing the byte source of a text input.
#include "common/input_source.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "common/failure.hpp"

namespace common {

namespace {

// The input that was read last: a bad number or line is reported at its place.
TextInput::Impl* last_read = nullptr;

std::size_t line_ends_in(const std::string& data, std::size_t from, std::size_t to) {
  return static_cast<std::size_t>(std::count(data.begin() + static_cast<std::ptrdiff_t>(from),
                                             data.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
}

}  // namespace

TextInput::Impl::~Impl() {
  if (last_read == this) last_read = nullptr;
  if (owns_fd && fd >= 0) ::close(fd);
}

bool TextInput::Impl::refill() {
  if (!is_open) fail_io(kFileNotOpen);
  if (exhausted || fd < 0) return false;
  lines_before_chunk += line_ends_in(data, 0, end);
  bytes_before_chunk += end;
  if (data.size() != chunk_size) data.resize(chunk_size);
  ssize_t n;
  do {
    n = ::read(fd, data.data(), data.size());
  } while (n < 0 && errno == EINTR);
  if (n < 0) fail_io(io_error_from_errno(errno), name + ": cannot be read");
  pos = 0;
  end = static_cast<std::size_t>(n);
  if (n == 0) exhausted = true;
  return n > 0;
}

bool TextInput::Impl::fill(std::size_t want) {
  check_open();
  if (end - pos >= want) return true;
  if (exhausted || fd < 0) return end > pos;
  lines_before_chunk += line_ends_in(data, 0, pos);
  bytes_before_chunk += pos;
  if (chunk_size < want) chunk_size = want;
  if (data.size() < chunk_size) data.resize(chunk_size);
  std::memmove(data.data(), data.data() + pos, end - pos);
  end -= pos;
  pos = 0;
  while (end < want && !exhausted) {
    ssize_t n = ::read(fd, data.data() + end, data.size() - end);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail_io(io_error_from_errno(errno), name + ": cannot be read");
    if (n == 0) exhausted = true;
    end += static_cast<std::size_t>(n);
  }
  return end > pos;
}

void TextInput::Impl::check_open() {
  last_read = this;
  if (!is_open) fail_io(kFileNotOpen, name + ": read after it was closed");
}

std::size_t TextInput::Impl::line_number() const {
  return lines_before_chunk + line_ends_in(data, 0, pos) + 1;
}

std::string TextInput::Impl::place() const {
  return name + ", line " + std::to_string(line_number());
}

std::string TextInput::Impl::line_at_position() const {
  std::size_t first = data.rfind('\n', pos == 0 ? 0 : pos - 1);
  first = first == std::string::npos || first >= pos ? 0 : first + 1;
  std::size_t last = data.find_first_of("\r\n", first);
  if (last == std::string::npos || last > end) last = end;
  constexpr std::size_t kLongestShown = 100;
  std::string text = data.substr(first, std::min(last - first, kLongestShown));
  return last - first > kLongestShown ? text + "..." : text;
}

std::uint64_t TextInput::bytes_passed() const { return impl_->bytes_before_chunk + impl_->pos; }

std::int64_t TextInput::line_number() const {
  return static_cast<std::int64_t>(impl_->line_number());
}

std::string TextInput::current_line() const { return impl_->line_at_position(); }

std::string TextInput::place_of_last_read() {
  if (last_read == nullptr) return "";
  return last_read->place() + ": cannot read \"" + last_read->line_at_position() + "\"";
}

void TextInput::Impl::close_source() {
  check_open();
  if (last_read == this) last_read = nullptr;
  if (owns_fd && fd >= 0 && ::close(fd) != 0) {
    fail_io(io_error_from_errno(errno), name + ": cannot be closed");
  }
  fd = -1;
  is_open = false;
  data.clear();
  data.shrink_to_fit();
  pos = end = 0;
}

TextInput::TextInput(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextInput::TextInput(TextInput&&) noexcept = default;
TextInput& TextInput::operator=(TextInput&&) noexcept = default;
TextInput::~TextInput() = default;

TextInput TextInput::open_file(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail_io(io_error_opening(errno, path, false), path + ": cannot be opened");
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail_io(kAccessDenied, path + ": is a directory");
  }
  auto impl = std::make_unique<Impl>();
  impl->name = path;
  impl->fd = fd;
  impl->owns_fd = true;
  if (S_ISREG(st.st_mode) && st.st_size >= 0 &&
      static_cast<std::size_t>(st.st_size) < Impl::kChunkSize) {
    impl->chunk_size = static_cast<std::size_t>(st.st_size) + 1;
  }
  return TextInput(std::move(impl));
}

TextInput& TextInput::standard_input() {
  static TextInput input = [] {
    auto impl = std::make_unique<Impl>();
    impl->name = "standard input";
    impl->fd = STDIN_FILENO;
    return TextInput(std::move(impl));
  }();
  return input;
}

TextInput TextInput::from_string(std::string text) {
  auto impl = std::make_unique<Impl>();
  impl->name = "text";
  impl->end = text.size();
  impl->data = std::move(text);
  impl->exhausted = true;
  return TextInput(std::move(impl));
}

void TextInput::close() { impl_->close_source(); }

}  // namespace common
