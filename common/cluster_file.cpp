#include "common/cluster_file.hpp"

#include "common/number_layout.hpp"
#include "common/text_input.hpp"

namespace common {

ClusterFileWriter::ClusterFileWriter(const std::string& path, const std::string& label,
                                     const std::string& comment)
    : out_(TextOutput::create_file(path)) {
  out_.write("# Cluster: ").write(label).write(". ").write(comment).end_line();
}

void ClusterFileWriter::add_atom(int type_index, double x, double y, double z) {
  atoms_ += integer_layout(type_index, 0);
  atoms_ += ' ';
  append_default_layout(x, atoms_);
  atoms_ += ' ';
  append_default_layout(y, atoms_);
  atoms_ += ' ';
  append_default_layout(z, atoms_);
  atoms_ += "\r\n";
}

void ClusterFileWriter::pass_on_atoms() {
  out_.write(atoms_);
  atoms_.clear();
}

void ClusterFileWriter::finish(int type_count) {
  pass_on_atoms();
  for (int i = 1; i <= type_count; ++i) {
    out_.write_integer(i).write(" 100 100 ").write_integer(10 * i).end_line();
  }
  out_.close();
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
