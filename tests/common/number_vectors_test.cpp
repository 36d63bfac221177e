// The shared number vectors: every row must come out exactly as written.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/number_layout.hpp"
#include "common/number_syntax.hpp"

namespace {

using Row = std::vector<std::string>;

// Splits on tab only: the leading blanks of a layout belong to it.
Row split_on_tabs(const std::string& line) {
  Row fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::vector<Row> read_rows(const std::string& name) {
  std::ifstream file(std::string(MDX_VECTORS_DIR) + "/" + name, std::ios::binary);
  std::vector<Row> rows;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    rows.push_back(split_on_tabs(line));
  }
  return rows;
}

double from_hex(const std::string& hex) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(std::stoull(hex, nullptr, 16)));
}

std::string to_hex(double v) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(v)));
  return text;
}

TEST(NumberVectors, EveryLayoutOfEveryRow) {
  std::vector<Row> rows = read_rows("vectors_public.tsv");
  ASSERT_EQ(rows.size(), 2000u);
  int checked = 0;
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 9u) << row[0];
    double v = from_hex(row[0]);
    EXPECT_EQ(common::default_layout(v), row[2]) << row[0] << " " << row[1];
    EXPECT_EQ(common::fixed_layout(v, 10, 5), row[3]) << row[0] << " " << row[1];
    EXPECT_EQ(common::scientific_layout(v, 12), row[4]) << row[0] << " " << row[1];
    EXPECT_EQ(common::scientific_layout(v, 15), row[5]) << row[0] << " " << row[1];
    EXPECT_EQ(common::scientific_layout(v, 18), row[6]) << row[0] << " " << row[1];
    if (row[7] != "-") {
      // Conversion to float rounds to nearest, ties to even, as the rows assume.
      float single = static_cast<float>(v);
      EXPECT_EQ(common::fixed_layout_single(single, 10, 5), row[7]) << row[0] << " " << row[1];
      ++checked;
    }
    EXPECT_EQ(common::scientific_layout(v, 5), row[8]) << row[0] << " " << row[1];
  }
  EXPECT_GT(checked, 1800);  // only the rows beyond the single range are skipped
}

TEST(NumberVectors, RealTokens) {
  std::vector<Row> rows = read_rows("tokens_public.tsv");
  ASSERT_EQ(rows.size(), 500u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 2u) << row[0];
    std::optional<double> value = common::parse_real(row[0]);
    if (row[1] == "ERROR") {
      EXPECT_FALSE(value.has_value()) << row[0];
    } else if (row[1] == "NAN") {
      ASSERT_TRUE(value.has_value()) << row[0];
      EXPECT_TRUE(std::isnan(*value)) << row[0];
    } else {
      ASSERT_TRUE(value.has_value()) << row[0];
      EXPECT_EQ(to_hex(*value), row[1]) << row[0];
    }
  }
}

TEST(NumberVectors, IntegerTokens) {
  std::vector<Row> rows = read_rows("ints_public.tsv");
  ASSERT_EQ(rows.size(), 124u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 2u) << row[0];
    std::optional<std::int32_t> value = common::parse_integer(row[0]);
    if (row[1] == "ERROR") {
      EXPECT_FALSE(value.has_value()) << row[0] << " gave " << value.value_or(0);
    } else {
      ASSERT_TRUE(value.has_value()) << row[0];
      EXPECT_EQ(*value, std::stol(row[1])) << row[0];
    }
  }
}

}  // namespace
