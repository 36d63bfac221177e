#include "kirne/type_map.hpp"

namespace kirne {

namespace {

std::optional<long long> whole_number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || value > 1000000000LL) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

Symbol atom_symbol_form(std::string_view text) {
  Symbol symbol;
  for (char c : text) {
    if (c == '+' || c == '-' || (c >= '0' && c <= '9')) continue;
    if (symbol.size() < 2) symbol += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  if (symbol.size() == 1) symbol += ' ';
  return symbol;
}

std::optional<TypeMap> TypeMap::parse(std::string_view text) {
  TypeMap map;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view entry = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::optional<long long> type = whole_number(entry.substr(0, equals));
    const Symbol symbol = atom_symbol_form(entry.substr(equals + 1));
    if (!type || symbol.empty() || map.symbols_.count(*type) != 0) return std::nullopt;
    map.symbols_[*type] = symbol;
  }
  if (map.empty()) return std::nullopt;
  return map;
}

std::optional<Symbol> TypeMap::symbol_of(std::string_view type) const {
  const std::optional<long long> number = whole_number(type);
  if (!number) return std::nullopt;
  const auto found = symbols_.find(*number);
  if (found == symbols_.end()) return std::nullopt;
  return found->second;
}

}  // namespace kirne
