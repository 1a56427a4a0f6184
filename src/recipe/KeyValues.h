#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/OperationStep.h"
#include "recipe/Quoting.h"
#include "recipe/RecipeValues.h"

namespace tessmark {

// Reads one key's value (quotes still in it) into the operation; returns why it was refused, or
// nothing.
using KeyParser = std::string (*)(std::string_view value, Operation& operation);
// The value a step runs with, written so that the parser reads it back; nothing to leave it out.
using KeyWriter = std::optional<std::string> (*)(const OperationStep& step);

struct KeyRule {
  std::string_view Key;
  KeyParser Parse;
  KeyWriter Write;
  std::string_view Missing = {};  // why the operation is refused without this key; empty: optional
};

Parsed<std::int32_t> Number(std::string_view text);
// A byte field keeps the low 8 bits, as the dialog stores it.
Parsed<std::uint8_t> Byte(std::string_view text);
Parsed<std::uint8_t> Weight(std::string_view text);
Parsed<ColorRef> BlendColor(std::string_view text);

// The unquoted pieces of a list separated by ';' outside quotes, empty pieces left out.
Parsed<std::vector<std::string>> ListItems(std::string_view raw);

// A value Parse reads from the unquoted text, stored where Target points in the step.
template <auto Parse, auto Target> std::string ValueKey(std::string_view raw, Operation& operation) {
  const Parsed<std::string> text = Unquote(raw);
  if (!text) return text.Error;
  const auto parsed = Parse(*text.Value);
  if (!parsed) return parsed.Error;
  operation.Assignments.push_back([v = *parsed.Value](OperationStep& step) { Target(step) = v; });
  return {};
}

template <auto Record, auto Field> auto& FieldOf(OperationStep& step) { return (step.Records.*Record).*Field; }

template <auto Record, auto Field> std::optional<std::string> WriteField(const OperationStep& step) {
  return std::to_string((step.Records.*Record).*Field);
}

template <auto Record, auto Field, auto Parse> constexpr KeyRule FieldKey(std::string_view key) {
  return {key, ValueKey<Parse, FieldOf<Record, Field>>, WriteField<Record, Field>};
}
template <auto Record, auto Field> constexpr KeyRule NumberKey(std::string_view key) {
  return FieldKey<Record, Field, Number>(key);
}
template <auto Record, auto Field> constexpr KeyRule ByteKey(std::string_view key) {
  return FieldKey<Record, Field, Byte>(key);
}
template <auto Record, auto Field> constexpr KeyRule FlagKey(std::string_view key) {
  return FieldKey<Record, Field, ParseFlag>(key);
}

// Paths separated by ';', in the order given; at least one.
Parsed<PictureFiles> ParseFileList(std::string_view raw);
// Absolute, so that the recipe runs from any folder. An empty list has no spelling that reads back
// (files= refuses it), so the key is left out and the list stays as it was.
std::optional<std::string> WriteFileList(const PictureFiles& files);

template <auto Record> std::string FilesKey(std::string_view raw, Operation& operation) {
  Parsed<PictureFiles> files = ParseFileList(raw);
  if (!files) return files.Error;
  operation.Assignments.push_back(
      [files = std::move(*files.Value)](OperationStep& step) { (step.Records.*Record).PictureFiles = files; });
  return {};
}
template <auto Record> std::optional<std::string> WriteFiles(const OperationStep& step) {
  return WriteFileList((step.Records.*Record).PictureFiles);
}
template <auto Record> constexpr KeyRule PictureFilesKey() {
  return {"files", FilesKey<Record>, WriteFiles<Record>};
}

std::string ColorsKey(std::string_view raw, Operation& operation);
std::optional<std::string> WriteColors(const OperationStep& step);
std::optional<std::string> WriteSeed(const OperationStep& step);
std::optional<std::string> WriteMix(const OperationStep& step);
std::optional<std::string> WriteBlendColor(const OperationStep& step);
std::optional<std::string> WriteFillColor(const OperationStep& step);
std::optional<std::string> WriteFillFull(const OperationStep& step);
std::optional<std::string> WriteFillWeight(const OperationStep& step);

}  // namespace tessmark
