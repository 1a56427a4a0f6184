#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "picture/Picture.h"

namespace tessmark {

// The journal keeps one folder an entry beneath sessions/ of the data folder, named so that the
// newest sorts last, and the start pictures beneath sessions/starts/, named by their content.
namespace journal_file {
inline constexpr char Recipe[] = "recipe.txt";
inline constexpr char Progress[] = "progress";
inline constexpr char Thumbnail[] = "thumbnail.bmp";
inline constexpr char Lock[] = "lock";
inline constexpr char Ended[] = "ended";      // the session was closed: New, an import, a paste, Exit
inline constexpr char Noticed[] = "noticed";  // its unexpected end has been told once
}  // namespace journal_file

// dataDirectory/sessions; empty when the data folder is unknown (nothing is kept then).
std::string SessionsFolder(const std::string& dataDirectory);

// The entry of a session started at `seconds` (since 1970) by process `pid`, its `sequence`-th.
std::string EntryName(std::int64_t seconds, std::int64_t pid, std::uint32_t sequence);
// When the entry's session started, or nothing when the name is not an entry's.
std::optional<std::int64_t> EntryStarted(const std::string& name);

std::string EntryPath(const std::string& folder, const std::string& name, const char* file = nullptr);

// The names of the entries in the folder, newest first; anything else there is left out.
std::vector<std::string> ListEntries(const std::string& folder);

// Where the journal keeps a start picture: the same pixels always give the same file.
std::string StartPictureCopy(const std::string& folder, const Picture& start);
std::string StartsFolder(const std::string& folder);

}  // namespace tessmark
