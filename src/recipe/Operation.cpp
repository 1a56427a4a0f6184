#include "recipe/Operation.h"

#include <algorithm>
#include <cctype>

#include "recipe/OperationTable.h"
#include "recipe/Quoting.h"

namespace tessmark {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

template <class Rules, class NameOf> std::string NameList(const Rules& rules, NameOf nameOf) {
  std::string list;
  for (const auto& rule : rules) list += Concat(list.empty() ? "" : ", ", nameOf(rule));
  return list;
}

std::string KeyList(const OperationRow& row) {
  return NameList(row.Keys, [](const KeyRule& k) { return k.Key; });
}

const OperationRow* FindOperation(std::string_view name) {
  const std::string lower = Lower(name);
  const auto rows = OperationRows();
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const OperationRow& r) { return r.Name == lower; });
  return it == rows.end() ? nullptr : &*it;
}

const KeyRule* FindKey(const OperationRow& row, std::string_view key) {
  const std::string lower = Lower(key);
  for (const KeyRule& k : row.Keys) {
    if (k.Key == lower) return &k;
  }
  for (const CommonKeyRule& common : CommonKeyRules()) {
    if (common.Rule.Key == lower) return &common.Rule;
  }
  return nullptr;
}

// The first key the operation cannot do without that the list left out.
const KeyRule* MissingKey(const OperationRow& row, const std::vector<const KeyRule*>& given) {
  for (const KeyRule& k : row.Keys) {
    if (!k.Missing.empty() && std::find(given.begin(), given.end(), &k) == given.end()) return &k;
  }
  return nullptr;
}

// Reads the comma-separated key=value list; returns why it was refused, or nothing.
std::string ParseKeys(const OperationRow& row, std::string_view list, Operation& operation) {
  std::vector<const KeyRule*> given;
  for (const std::string_view item : SplitOutsideQuotes(list, ',')) {
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const KeyRule* keyRule = FindKey(row, key);
    if (keyRule == nullptr) {
      return Concat("unknown key ", Quoted(key), " (", row.Name, " takes ", KeyList(row), "; every operation ",
                    CommonKeys(), ")");
    }
    if (equals == std::string_view::npos) return Concat(keyRule->Key, " needs a value: ", keyRule->Key, "=...");
    if (std::string error = keyRule->Parse(item.substr(equals + 1), operation); !error.empty()) {
      return Concat(keyRule->Key, ": ", error);
    }
    given.push_back(keyRule);
  }
  if (const KeyRule* missing = MissingKey(row, given)) return std::string(missing->Missing);
  return {};
}

}  // namespace

Parsed<Operation> ParseOperation(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::string_view name = text.substr(0, colon);
  const OperationRow* row = FindOperation(name);
  if (row == nullptr) {
    return Parsed<Operation>::Fail(Concat("unknown operation ", Quoted(name), " (one of ",
                                          NameList(OperationRows(), [](const OperationRow& r) { return r.Name; }), ")"));
  }
  Operation operation;
  operation.Kind = row->Kind;
  operation.Name = std::string(row->Name);
  const std::string_view keys = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
  if (std::string error = ParseKeys(*row, keys, operation); !error.empty()) {
    return Parsed<Operation>::Fail(operation.Name + ": " + error);
  }
  return {std::move(operation), {}};
}

void ApplyOperation(const Operation& operation, OperationStep& step) {
  step.Kind = operation.Kind;
  step.Seed.reset();
  step.FillColor = {};
  step.FillFull = true;
  step.FillWeight.reset();
  for (const Assignment& assign : operation.Assignments) assign(step);
}

std::string WriteOperation(const OperationStep& step) {
  const OperationRow& row = RowOf(step.Kind);
  std::string word(row.Name);
  char separator = ':';
  const auto add = [&](const KeyRule& key) {
    const std::optional<std::string> value = key.Write(step);
    if (!value) return;
    word += Concat(std::string_view(&separator, 1), key.Key, "=", *value);
    separator = ',';
  };
  for (const KeyRule& key : row.Keys) add(key);
  for (const CommonKeyRule& common : CommonKeyRules()) {
    if ((row.Writes & common.Bit) != 0) add(common.Rule);
  }
  return word;
}

std::string_view OperationName(OperationKind kind) { return RowOf(kind).Name; }

std::string OperationKeys(OperationKind kind) { return KeyList(RowOf(kind)); }

std::string CommonKeys() {
  return NameList(CommonKeyRules(), [](const CommonKeyRule& c) { return c.Rule.Key; });
}

}  // namespace tessmark
