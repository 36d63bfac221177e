#include "common/cluster_file.hpp"

#include "common/text_input.hpp"

namespace common {

ClusterFileWriter::ClusterFileWriter(const std::string& path, const std::string& label,
                                     const std::string& comment)
    : out_(TextOutput::create_file(path)) {
  out_.write("# Cluster: ").write(label).write(". ").write(comment).end_line();
}

void ClusterFileWriter::add_atom(int type_index, double x, double y, double z) {
  out_.write_integer(type_index).write(' ').write_real(x).write(' ').write_real(y);
  out_.write(' ').write_real(z).end_line();
}

void ClusterFileWriter::finish(int type_count) {
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
