#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/FileSink.h"
#include "files/WriteHooks.h"

namespace tessmark {

// Writes the file through a temporary file in the final file's folder swapped in for it, so the
// file is either the old one or the complete new one, never a truncated mixture, and its new name
// is synced to the disk. A symbolic link is followed and stays; an existing file keeps its
// permissions (and its owner where allowed) and is refused, untouched, when the user could not
// open it for writing; a new file gets 0666 less the umask. Returns 0, the errno of the failure,
// or ECANCELED when the producer gave up; on failure nothing is left behind.
int WriteFileAtomically(const std::string& path, const FileProducer& produce, const WriteHooks& hooks = {});
int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tessmark
