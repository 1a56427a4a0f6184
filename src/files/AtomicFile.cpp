#include "files/AtomicFile.h"

#include "files/FileBatch.h"

namespace tessmark {

int WriteFileAtomically(const std::string& path, const FileProducer& produce, const WriteHooks& hooks) {
  FileBatch batch(hooks);
  if (const int error = batch.Add(path, produce); error != 0) return error;
  return batch.Commit();
}

int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return WriteFileAtomically(path, WritingBytes(bytes));
}

}  // namespace tessmark
