#pragma once
// The type table: the element types the user lists, the absorber's first,
// and the type index each atom gets from it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// The first two characters of a type, a lone character padded with a blank,
// the second character in upper case: Fe -> "FE", O -> "O ", fe -> "fE".
Symbol type_form(std::string_view text);

// Makes `given` (the absorber's type first) the run's type table, each
// entry in its 2-character form. More types than the table holds stop the
// run before anything is written.
MaybeStop take_types(const std::vector<std::string>& given, RunParameters& parameters);

// The type index of every atom: the highest entry of the table holding its
// symbol (from 1), or 0 when none does. The current absorber's own index is
// 0 whatever its symbol; the cluster writer and the histograms see to that.
std::vector<std::uint8_t> type_indices(const std::vector<Symbol>& symbols,
                                       const std::vector<Symbol>& types);

// A stop when atoms have a symbol that no entry of the table holds, naming
// each such symbol with its count in the order met: they would otherwise
// pass for absorbers (index 0). `absorber_atom` (from 1, or 0 for none) is
// left aside: it is 0 whatever its symbol.
MaybeStop check_listed_types(const std::vector<Symbol>& symbols,
                             const std::vector<std::uint8_t>& indices, std::int32_t absorber_atom);

}  // namespace kirne
