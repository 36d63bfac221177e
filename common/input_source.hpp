#pragma once
// The byte source behind a text input: a file or standard input read in
// chunks, or text held in memory. The reads work on the chunk in place.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/text_input.hpp"

namespace common {

struct TextInput::Impl {
  // A file descriptor, or -1 for text in memory.
  int fd = -1;
  bool owns_fd = false;
  bool is_open = true;
  // Nothing more will come from the descriptor.
  bool exhausted = false;
  // The current chunk: bytes [pos, end) of data are still unread.
  std::string data;
  std::size_t pos = 0;
  std::size_t end = 0;
  // A token that crosses from one chunk into the next is gathered here.
  std::string scratch;
  // Bytes asked of each read: small files need no full-size chunk, which
  // would be cleared for nothing on every open.
  std::size_t chunk_size = kChunkSize;
  // For the line that a failure report adds: the file's name and the line
  // ends in the bytes that have left the buffer.
  std::string name;
  std::size_t lines_before_chunk = 0;
  // The bytes that have left the buffer, for a reader's progress.
  std::uint64_t bytes_before_chunk = 0;

  ~Impl();

  static constexpr std::size_t kChunkSize = 256 * 1024;

  // Reads the next chunk once the current one is used up; false at the end
  // of the data. Standard input takes what has been typed so far.
  bool refill();
  // Moves the unread bytes to the front and reads behind them until at
  // least `want` are buffered or the data ends; false when none is left.
  bool fill(std::size_t want);
  bool has_byte() { return pos < end || refill(); }
  unsigned char peek() const { return static_cast<unsigned char>(data[pos]); }
  const char* at() const { return data.data() + pos; }
  // Every read starts here; it also marks this input as the one read last.
  void check_open();
  void close_source();
  // The line the position is in, from 1.
  std::size_t line_number() const;
  // Where the position is: "md.xyz, line 7".
  std::string place() const;
  // The line around the position, as far as the buffer holds it.
  std::string line_at_position() const;
};

}  // namespace common
