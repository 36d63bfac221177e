#include "common/cluster_file.hpp"

#include "common/atomic_file.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/text_input.hpp"

namespace common {

ClusterFileWriter::ClusterFileWriter(const std::string& path, const std::string& label,
                                     const std::string& comment)
    : path_(path), text_("# Cluster: " + label + ". " + comment + "\r\n") {
  // A stopped run must not leave the list naming an older file of that name
  // from an earlier run: the name stays empty until the new file is whole.
  delete_file(path);
}

void ClusterFileWriter::add_atom(int type_index, double x, double y, double z) {
  text_ += integer_layout(type_index, 0);
  text_ += ' ';
  append_default_layout(x, text_);
  text_ += ' ';
  append_default_layout(y, text_);
  text_ += ' ';
  append_default_layout(z, text_);
  text_ += "\r\n";
}

void ClusterFileWriter::finish(int type_count) {
  for (int i = 1; i <= type_count; ++i) {
    text_ += integer_layout(i, 0) + " 100 100 " + integer_layout(10 * i, 0) + "\r\n";
  }
  write_file_atomically(path_, [this](TextOutput& out) { out.write(text_); });
}

void ClusterAtoms::clear() {
  type.clear();
  x.clear();
  y.clear();
  z.clear();
}

ClusterReadStatus read_cluster_file(const std::string& path, std::size_t most_atoms,
                                    ClusterAtoms& atoms) {
  TextInput in = TextInput::open_file(path);
  atoms.clear();
  in.skip_through_lf();  // the "# Cluster: " header says nothing FEFF needs
  while (!in.at_eof()) {
    if (atoms.count() == most_atoms) return ClusterReadStatus::TooManyAtoms;
    atoms.type.push_back(in.read_real());
    atoms.x.push_back(in.read_real());
    atoms.y.push_back(in.read_real());
    atoms.z.push_back(in.read_real());
    in.skip_through_lf();
  }
  in.close();
  return ClusterReadStatus::Complete;
}

}  // namespace common
