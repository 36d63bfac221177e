// The record of what a cluster's results were made from: the FNV-1a
// fingerprints (against the published test vectors and values worked out
// apart from this code), the record's text, and what counts as changed.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/input_record.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(InputRecord, FingerprintIsFnv1aOfTheFileBytes) {
  EXPECT_EQ(fnv1a(""), 0xcbf29ce484222325ULL);
  EXPECT_EQ(fnv1a("a"), 0xaf63dc4c8601ec8cULL);
  EXPECT_EQ(fnv1a("foobar"), 0x85944171f73967e8ULL);
  EXPECT_EQ(fnv1a("bar", fnv1a("foo")), 0x85944171f73967e8ULL);  // carried on, chunk by chunk
  TempDir dir;
  write_file(dir / "a", "a");
  EXPECT_EQ(file_fingerprint((dir / "a").string()), "af63dc4c8601ec8c");
  // Longer than one read: 70000 times "x".
  write_file(dir / "long", std::string(70000, 'x'));
  EXPECT_EQ(file_fingerprint((dir / "long").string()), "940217a24a8c22e5");
  write_file(dir / "pot.dat", " 0 0\n 1 1\n 2 2\n");
  EXPECT_EQ(file_fingerprint((dir / "pot.dat").string()), "87627381b7aabe95");
  EXPECT_FALSE(file_fingerprint((dir / "absent").string()));
  fs::create_directory(dir / "directory");
  EXPECT_FALSE(file_fingerprint((dir / "directory").string()));
}

TEST(InputRecord, TextNamesEveryInputAndReadsBack) {
  TempDir dir;
  write_file(dir / "md_7.xyz", "0 0 0 0\n");
  write_file(dir / "pot.dat", " 0 0\n 1 1\n 2 2\n");
  write_file(dir / "feff.dat", " ATOMS\n");
  RunFiles files;
  files.potential_map = (dir / "pot.dat").string();
  files.feff_template = (dir / "feff.dat").string();
  const std::string cluster = (dir / "md_7.xyz").string();
  InputRecord record = record_for(cluster, shared_inputs_of(files), "2 3");
  const std::string text = record_text(record);
  EXPECT_EQ(text,
            "# tolva64: the inputs xt.<ext> and mu.<ext> were made from (FNV-1a, 64 bits)\r\n"
            "cluster " + cluster + "\r\n"
            "cluster_file 340fb68984020517\r\n"
            "pot.dat 87627381b7aabe95\r\n"
            "feff.dat 4c8319fe26e8c7ef\r\n"
            "left_out 2 3\r\n");
  write_file(dir / "made_from.007", text);
  std::optional<InputRecord> back = read_record((dir / "made_from.007").string());
  ASSERT_TRUE(back);
  EXPECT_EQ(changed_inputs(*back, record), std::vector<std::string>{});
  EXPECT_EQ(back->left_out, "2 3");
  EXPECT_FALSE(read_record((dir / "made_from.008").string()));
  EXPECT_EQ(left_out_text({}), "none");
  EXPECT_EQ(left_out_text({2}), "2");
}

InputRecord sample() {
  return InputRecord{"md_1.xyz", "1111111111111111", {"2222222222222222", "3333333333333333"},
                     "none"};
}

TEST(InputRecord, EachChangedInputIsNamedOnceInOrder) {
  const InputRecord made_from = sample();
  InputRecord now = sample();
  now.cluster_name = "md_2.xyz";
  now.shared.feff_template = "4444444444444444";
  EXPECT_EQ(changed_inputs(made_from, now), (std::vector<std::string>{"cluster file", "feff.dat"}));
  now = sample();
  now.cluster_file = "5555555555555555";
  now.shared.potential_map = "6666666666666666";
  now.left_out = "2";
  EXPECT_EQ(changed_inputs(made_from, now),
            (std::vector<std::string>{"cluster file", "pot.dat", "--drop-absent-potentials"}));
  EXPECT_EQ(inputs_text(changed_inputs(made_from, now)),
            "cluster file, pot.dat, --drop-absent-potentials");
}

TEST(InputRecord, InputsNotKnownNowAreNotCompared) {
  InputRecord now = sample();
  now.cluster_file = "";
  now.shared = SharedInputs{};
  now.left_out = "";
  EXPECT_EQ(changed_inputs(sample(), now), std::vector<std::string>{});
}

TEST(InputRecord, RecordThatCannotBeMadeOutMatchesNothing) {
  TempDir dir;
  write_file(dir / "made_from.001",
             "garbage\r\n\r\ncluster_file\r\n# pot.dat 2222222222222222\r\n");
  std::optional<InputRecord> garbled = read_record((dir / "made_from.001").string());
  ASSERT_TRUE(garbled);
  EXPECT_EQ(changed_inputs(*garbled, sample()),
            (std::vector<std::string>{"cluster file", "pot.dat", "feff.dat",
                                      "--drop-absent-potentials"}));
}

}  // namespace
