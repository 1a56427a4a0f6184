#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessmark {

// A recipe carried inside a picture names files from the picture's folder, so that the picture
// moves with the files beside it.

// path relative to folder where it lies under it, else absolute.
std::string PathFromFolder(const std::string& path, const std::string& folder);

// path as named from folder: a relative one is taken from there.
std::string PathInFolder(const std::string& path, const std::string& folder);

using PathSpelling = std::function<std::string(const std::string&)>;

// The words of a recipe with every file path in them (--input's, files='s) spelt anew. Words it
// cannot read stay as they are, for the command line to refuse.
std::vector<std::string> RespellPaths(std::vector<std::string> words, const PathSpelling& spell);

}  // namespace tessmark
