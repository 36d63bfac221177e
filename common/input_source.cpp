// Opening, refilling and closing the byte source of a text input.
#include "common/input_source.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/failure.hpp"

namespace common {

TextInput::Impl::~Impl() {
  if (owns_fd && fd >= 0) ::close(fd);
}

bool TextInput::Impl::refill() {
  if (!is_open) fail_io(kFileNotOpen);
  if (exhausted || fd < 0) return false;
  if (data.size() != chunk_size) data.resize(chunk_size);
  ssize_t n;
  do {
    n = ::read(fd, data.data(), data.size());
  } while (n < 0 && errno == EINTR);
  if (n < 0) fail_io(io_error_from_errno(errno));
  pos = 0;
  end = static_cast<std::size_t>(n);
  if (n == 0) exhausted = true;
  return n > 0;
}

bool TextInput::Impl::fill(std::size_t want) {
  if (!is_open) fail_io(kFileNotOpen);
  if (end - pos >= want) return true;
  if (exhausted || fd < 0) return end > pos;
  if (chunk_size < want) chunk_size = want;
  if (data.size() < chunk_size) data.resize(chunk_size);
  std::memmove(data.data(), data.data() + pos, end - pos);
  end -= pos;
  pos = 0;
  while (end < want && !exhausted) {
    ssize_t n = ::read(fd, data.data() + end, data.size() - end);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail_io(io_error_from_errno(errno));
    if (n == 0) exhausted = true;
    end += static_cast<std::size_t>(n);
  }
  return end > pos;
}

void TextInput::Impl::check_open() const {
  if (!is_open) fail_io(kFileNotOpen);
}

void TextInput::Impl::close_source() {
  check_open();
  if (owns_fd && fd >= 0 && ::close(fd) != 0) fail_io(io_error_from_errno(errno));
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
  if (fd < 0) fail_io(io_error_opening(errno, path, false));
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail_io(kAccessDenied);
  }
  auto impl = std::make_unique<Impl>();
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
    impl->fd = STDIN_FILENO;
    return TextInput(std::move(impl));
  }();
  return input;
}

TextInput TextInput::from_string(std::string text) {
  auto impl = std::make_unique<Impl>();
  impl->end = text.size();
  impl->data = std::move(text);
  impl->exhausted = true;
  return TextInput(std::move(impl));
}

void TextInput::close() { impl_->close_source(); }

}  // namespace common
