#pragma once
// A fixed-size table indexed from 1, as the programs' arrays are. An index
// outside 1..N is a fault of the program itself (a program fault, fatal);
// user data that would exceed a table is refused earlier with a clear error.
#include <cstddef>
#include <string>
#include <vector>

#include "common/failure.hpp"

namespace common {

template <class T>
class BoundedTable {
 public:
  BoundedTable(const char* name, std::size_t size, const T& fill = T())
      : name_(name), data_(size, fill) {}

  T& operator[](long long index) { return data_[checked(index)]; }
  const T& operator[](long long index) const { return data_[checked(index)]; }

  std::size_t size() const { return data_.size(); }
  void fill(const T& value) { data_.assign(data_.size(), value); }
  // 0-based raw access for hot loops that have checked their range.
  T* data() { return data_.data(); }
  const T* data() const { return data_.data(); }

 private:
  std::size_t checked(long long index) const {
    if (index < 1 || static_cast<std::size_t>(index) > data_.size()) {
      program_fault("index " + std::to_string(index) + " outside table " + name_ + "[1.." +
                    std::to_string(data_.size()) + "]");
    }
    return static_cast<std::size_t>(index - 1);
  }

  const char* name_;
  std::vector<T> data_;
};

}  // namespace common
