// The token and line reads of a text input. They scan the current chunk in
// place; only a token that runs across two chunks is copied.
#include "common/text_input.hpp"

#include <cstring>

#include "common/failure.hpp"
#include "common/input_source.hpp"
#include "common/number_syntax.hpp"

namespace common {

namespace {

constexpr unsigned char kEndOfFileMark = 26;

bool is_white(unsigned char c) { return c <= 32 && c != kEndOfFileMark; }

// Passes white space; true when at least one byte was passed.
bool skip_white(TextInput::Impl& in) {
  bool passed = false;
  while (in.has_byte()) {
    const char* data = in.data.data();
    std::size_t p = in.pos;
    while (p < in.end && is_white(static_cast<unsigned char>(data[p]))) ++p;
    passed = passed || p != in.pos;
    in.pos = p;
    if (p < in.end) break;
  }
  return passed;
}

// The run of bytes above 32 at the position; the position moves past it.
std::string_view take_token(TextInput::Impl& in) {
  const char* data = in.data.data();
  std::size_t start = in.pos;
  std::size_t p = start;
  while (p < in.end && static_cast<unsigned char>(data[p]) > 32) ++p;
  in.pos = p;
  if (p < in.end || in.exhausted || in.fd < 0) return std::string_view(data + start, p - start);
  // The chunk ended inside the token: gather it across the following chunks.
  in.scratch.assign(data + start, p - start);
  while (in.refill()) {
    const char* next = in.data.data();
    std::size_t q = 0;
    while (q < in.end && static_cast<unsigned char>(next[q]) > 32) ++q;
    in.scratch.append(next, q);
    in.pos = q;
    if (q < in.end) break;
  }
  return in.scratch;
}

// Bytes up to the next CR, LF or end-of-file mark, at most `limit` of them.
std::string take_until_line_end(TextInput::Impl& in, std::size_t limit) {
  std::string text;
  while (text.size() < limit && in.has_byte()) {
    const char* data = in.data.data();
    std::size_t p = in.pos;
    std::size_t stop = in.end;
    if (limit - text.size() < stop - p) stop = p + (limit - text.size());
    while (p < stop) {
      unsigned char c = static_cast<unsigned char>(data[p]);
      if (c == '\r' || c == '\n' || c == kEndOfFileMark) break;
      ++p;
    }
    text.append(data + in.pos, p - in.pos);
    bool line_end = p < stop;
    in.pos = p;
    if (line_end) break;
  }
  return text;
}

void append_without_cr(std::string& out, const char* first, const char* last) {
  while (first < last) {
    const void* cr = std::memchr(first, '\r', static_cast<std::size_t>(last - first));
    const char* stop = cr ? static_cast<const char*>(cr) : last;
    out.append(first, static_cast<std::size_t>(stop - first));
    first = cr ? stop + 1 : last;
  }
}

[[noreturn]] void fail_nothing_left(const TextInput::Impl& in) {
  fail_io(kInvalidInput, in.place() + ": the data ends where a number was expected");
}

[[noreturn]] void fail_bad_token(const TextInput::Impl& in, std::string_view token,
                                 const char* expected) {
  constexpr std::size_t kLongestShown = 60;
  std::string shown(token.substr(0, kLongestShown));
  if (token.size() > kLongestShown) shown += "...";
  fail_io(kInvalidInput, in.place() + ": \"" + shown + "\" is not " + expected);
}

}  // namespace

double TextInput::read_real() {
  Impl& in = *impl_;
  in.check_open();
  bool passed = skip_white(in);
  if (!in.has_byte()) {
    // White space that runs into the end of the data reads as zero.
    if (passed) return 0.0;
    fail_nothing_left(in);
  }
  if (in.peek() == kEndOfFileMark) fail_nothing_left(in);
  std::string_view token = take_token(in);
  std::optional<double> value = parse_real(token);
  if (!value) fail_bad_token(in, token, "a number");
  return *value;
}

std::int32_t TextInput::read_integer() {
  Impl& in = *impl_;
  in.check_open();
  skip_white(in);
  if (!in.has_byte() || in.peek() == kEndOfFileMark) return 0;
  std::string_view token = take_token(in);
  std::optional<std::int32_t> value = parse_integer(token);
  if (!value) fail_bad_token(in, token, "a whole number");
  return *value;
}

std::string TextInput::read_until_cr_or_lf() {
  impl_->check_open();
  return take_until_line_end(*impl_, std::string::npos);
}

std::string TextInput::read_until_cr_or_lf(std::size_t n) {
  impl_->check_open();
  return take_until_line_end(*impl_, n);
}

char TextInput::read_char() {
  Impl& in = *impl_;
  in.check_open();
  if (!in.has_byte()) return static_cast<char>(kEndOfFileMark);
  return in.data[in.pos++];
}

void TextInput::skip_past_cr_or_lf() {
  Impl& in = *impl_;
  in.check_open();
  while (in.has_byte()) {
    unsigned char c = in.peek();
    if (c == kEndOfFileMark) return;
    ++in.pos;
    if (c == '\n') return;
    if (c == '\r') {
      if (in.has_byte() && in.peek() == '\n') ++in.pos;
      return;
    }
  }
}

bool TextInput::at_eof() {
  Impl& in = *impl_;
  in.check_open();
  return !in.has_byte() || in.peek() == kEndOfFileMark;
}

void TextInput::read_through_lf(std::string& out) {
  Impl& in = *impl_;
  in.check_open();
  out.clear();
  while (in.has_byte()) {
    const char* first = in.at();
    const char* last = in.data.data() + in.end;
    const void* lf = std::memchr(first, '\n', static_cast<std::size_t>(last - first));
    const char* stop = lf ? static_cast<const char*>(lf) : last;
    append_without_cr(out, first, stop);
    in.pos = static_cast<std::size_t>(stop - in.data.data());
    if (lf) {
      ++in.pos;
      return;
    }
  }
}

void TextInput::skip_through_lf() {
  Impl& in = *impl_;
  in.check_open();
  while (in.has_byte()) {
    const char* first = in.at();
    const void* lf = std::memchr(first, '\n', in.end - in.pos);
    if (lf) {
      in.pos += static_cast<std::size_t>(static_cast<const char*>(lf) - first) + 1;
      return;
    }
    in.pos = in.end;
  }
}

bool TextInput::only_white_space_left() {
  Impl& in = *impl_;
  in.check_open();
  skip_white(in);
  return !in.has_byte() || in.peek() == kEndOfFileMark;
}

std::string TextInput::read_through_lf() {
  std::string text;
  read_through_lf(text);
  return text;
}

}  // namespace common
