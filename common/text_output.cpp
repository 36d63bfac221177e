// Text outputs: a 256-byte buffer in front of a file or standard output, and
// the list of open outputs that the stops pass on before the program ends.
#include "common/text_output.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "common/failure.hpp"
#include "common/number_layout.hpp"

namespace common {

struct TextOutput::Impl {
  static constexpr std::size_t kBufferSize = 256;

  int fd = -1;
  bool owns_fd = false;
  bool is_open = true;
  // Standard output on a console is passed on at every line end and prompt.
  bool is_console = false;
  std::string name;  // for the failure report
  char buffer[kBufferSize];
  std::size_t used = 0;

  void check_open() const {
    if (!is_open) fail_io(kFileNotOpen, name + ": written after it was closed");
  }
  void pass_on();
  void send(const char* bytes, std::size_t size);
  void append(const char* bytes, std::size_t size);
  void close_target();
};

namespace {

// Never destroyed, so outputs that close during the program's exit still find it.
std::vector<TextOutput::Impl*>& open_outputs() {
  static auto* outputs = new std::vector<TextOutput::Impl*>();
  return *outputs;
}

void forget(TextOutput::Impl* impl) {
  auto& outputs = open_outputs();
  outputs.erase(std::remove(outputs.begin(), outputs.end(), impl), outputs.end());
}

void report_write_error(int err, const std::string& name) {
  // During the failure report a second failure would hide the first.
  if (!failure_in_progress()) fail_io(io_error_from_errno(err), name + ": cannot be written");
}

}  // namespace

void TextOutput::Impl::pass_on() {
  send(buffer, used);
  used = 0;
}

void TextOutput::Impl::send(const char* bytes, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      used = 0;
      report_write_error(errno, name);
      return;
    }
    done += static_cast<std::size_t>(n);
  }
}

void TextOutput::Impl::append(const char* bytes, std::size_t size) {
  check_open();
  // A block of a whole buffer or more goes out in one call once what waits
  // in front of it has gone: the same bytes in the same order, in fewer calls.
  if (size >= kBufferSize && !is_console) {
    pass_on();
    send(bytes, size);
    return;
  }
  while (size > 0) {
    std::size_t n = std::min(size, kBufferSize - used);
    std::memcpy(buffer + used, bytes, n);
    used += n;
    bytes += n;
    size -= n;
    if (used == kBufferSize) pass_on();
  }
}

void TextOutput::Impl::close_target() {
  pass_on();
  forget(this);
  is_open = false;
  if (owns_fd && ::close(fd) != 0) report_write_error(errno, name);
  fd = -1;
}

TextOutput::TextOutput(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
  open_outputs().push_back(impl_.get());
}

TextOutput::TextOutput(TextOutput&&) noexcept = default;

TextOutput& TextOutput::operator=(TextOutput&& other) noexcept {
  if (this != &other) {
    if (impl_ && impl_->is_open) impl_->close_target();
    impl_ = std::move(other.impl_);
  }
  return *this;
}

TextOutput::~TextOutput() {
  if (impl_ && impl_->is_open) impl_->close_target();
}

namespace {

int open_for_writing(const std::string& path, int flags) {
  int fd = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) fail_io(io_error_opening(errno, path, true), path + ": cannot be created");
  return fd;
}

}  // namespace

TextOutput TextOutput::create_file(const std::string& path) {
  auto impl = std::make_unique<Impl>();
  impl->name = path;
  impl->fd = open_for_writing(path, O_TRUNC);
  impl->owns_fd = true;
  return TextOutput(std::move(impl));
}

TextOutput TextOutput::create_new_file(const std::string& path) {
  auto impl = std::make_unique<Impl>();
  impl->name = path;
  impl->fd = open_for_writing(path, O_EXCL | O_NOFOLLOW);
  impl->owns_fd = true;
  return TextOutput(std::move(impl));
}

TextOutput& TextOutput::standard_output() {
  static TextOutput output = [] {
    auto impl = std::make_unique<Impl>();
    impl->name = "standard output";
    impl->fd = STDOUT_FILENO;
    impl->is_console = ::isatty(STDOUT_FILENO) == 1;
    return TextOutput(std::move(impl));
  }();
  return output;
}

TextOutput& TextOutput::write(std::string_view text) {
  impl_->append(text.data(), text.size());
  return *this;
}

TextOutput& TextOutput::write(char c) {
  impl_->append(&c, 1);
  return *this;
}

TextOutput& TextOutput::write_real(double v) { return write(default_layout(v)); }

TextOutput& TextOutput::write_integer(std::int64_t v, int width) {
  return write(integer_layout(v, width));
}

TextOutput& TextOutput::end_line() {
  impl_->append("\r\n", 2);
  if (impl_->is_console) impl_->pass_on();
  return *this;
}

void TextOutput::prompt_done() {
  impl_->check_open();
  if (impl_->is_console) impl_->pass_on();
}

void TextOutput::flush() {
  impl_->check_open();
  impl_->pass_on();
}

void TextOutput::close() {
  impl_->check_open();
  impl_->close_target();
}

void TextOutput::flush_all() {
  for (Impl* impl : open_outputs()) impl->pass_on();
}

void TextOutput::close_all() {
  // Closing removes the output from the list, so take a copy first.
  std::vector<Impl*> outputs = open_outputs();
  for (Impl* impl : outputs) impl->close_target();
}

}  // namespace common
