// The buffer view of a text input: a reader scans the buffered bytes in
// place and moves the position itself.
#include "common/input_source.hpp"

namespace common {

namespace {

constexpr char kEndOfFileMark = 26;

}  // namespace

std::string_view TextInput::buffered(std::size_t want) {
  Impl& in = *impl_;
  in.fill(want);
  return std::string_view(in.at(), in.end - in.pos);
}

void TextInput::consume(std::size_t n) { impl_->pos += n; }

int TextInput::peek_in_line() {
  Impl& in = *impl_;
  if (!in.fill(1)) return -1;
  char c = in.data[in.pos];
  if (c == '\r' || c == '\n' || c == kEndOfFileMark) return -1;
  return static_cast<unsigned char>(c);
}

void TextInput::advance() { ++impl_->pos; }

}  // namespace common
