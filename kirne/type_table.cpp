#include "kirne/type_table.hpp"

#include <algorithm>
#include <utility>

namespace kirne {

Symbol type_form(std::string_view text) {
  Symbol form(text.substr(0, 2));
  if (form.size() == 1) form += ' ';
  if (form.size() == 2 && form[1] >= 'a' && form[1] <= 'z') form[1] = char(form[1] - 'a' + 'A');
  return form;
}

MaybeStop take_types(const std::vector<std::string>& given, RunParameters& parameters) {
  if (given.size() > static_cast<std::size_t>(kMaxTypes)) {
    return RunStop{" Too many atom types: " + std::to_string(given.size()) + " given, at most " +
                   std::to_string(kMaxTypes) + " allowed !!!"};
  }
  parameters.types.clear();
  for (const std::string& type : given) parameters.types.push_back(type_form(type));
  return std::nullopt;
}

std::vector<std::uint8_t> type_indices(const std::vector<Symbol>& symbols,
                                       const std::vector<Symbol>& types) {
  std::vector<std::uint8_t> indices(symbols.size(), 0);
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    // The last match wins: a symbol listed twice takes the higher index.
    for (std::size_t j = types.size(); j >= 1; --j) {
      if (types[j - 1] == symbols[i]) {
        indices[i] = static_cast<std::uint8_t>(j);
        break;
      }
    }
  }
  return indices;
}

MaybeStop check_listed_types(const std::vector<Symbol>& symbols,
                             const std::vector<std::uint8_t>& indices, std::int32_t absorber_atom) {
  std::vector<std::pair<Symbol, long long>> unlisted;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    if (indices[i] != 0 || static_cast<std::int32_t>(i) + 1 == absorber_atom) continue;
    auto known = std::find_if(unlisted.begin(), unlisted.end(),
                              [&](const auto& entry) { return entry.first == symbols[i]; });
    if (known == unlisted.end()) {
      unlisted.emplace_back(symbols[i], 1);
    } else {
      ++known->second;
    }
  }
  if (unlisted.empty()) return std::nullopt;
  std::string line = " Atoms of unlisted types:";
  for (std::size_t k = 0; k < unlisted.size(); ++k) {
    Symbol shown = unlisted[k].first;
    if (shown.size() == 2 && shown[1] == ' ') shown.pop_back();
    line += (k == 0 ? " " : ", ") + shown + " (" + std::to_string(unlisted[k].second) +
            (unlisted[k].second == 1 ? " atom)" : " atoms)");
  }
  return RunStop{line + ". List every element after the absorber's."};
}

}  // namespace kirne
