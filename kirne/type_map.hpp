#pragma once
// --type-map 1=Cu,2=Zr: element symbols for numeric atom types, from a
// dump's type column or the symbol column of an XYZ file.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "kirne/symbol.hpp"

namespace kirne {

class TypeMap {
 public:
  // Reads "1=Cu,2=Zr"; none when an entry is not a whole number, an equals
  // sign and a symbol, or a number is given twice.
  static std::optional<TypeMap> parse(std::string_view text);

  bool empty() const { return symbols_.empty(); }
  // The symbol of a numeric type in the trajectory's form (upper case,
  // padded to two characters), or none when the map does not name it.
  std::optional<Symbol> symbol_of(std::string_view type) const;

 private:
  std::map<long long, Symbol> symbols_;
};

// The 2-character form of a symbol as the trajectory reader keeps it:
// signs and digits in front are passed, the first two other characters are
// kept in upper case, a lone one padded with a blank: Cu -> "CU", O -> "O ".
Symbol atom_symbol_form(std::string_view text);

}  // namespace kirne
