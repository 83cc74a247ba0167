#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>

namespace kvr {

class WriteFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces `target` with `data` so that at any moment the file holds either its old
// bytes or the new ones: a sibling copy is written, flushed and renamed over it. The
// old file's permissions are kept. Throws WriteFailure and leaves `target` untouched.
void replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> data);

// Copies `target` to `target` + ".orig" unless that copy already exists. A pristine
// copy is taken once and never overwritten. Throws WriteFailure.
void keepOriginalCopy(const std::filesystem::path& target);

std::filesystem::path originalCopyPath(const std::filesystem::path& target);

// Test seam: called before each step of replaceFile; a hook that throws makes that
// step fail.
enum class WriteStep { Create, Write, Flush, Rename };
void setWriteStepHook(std::function<void(WriteStep)> hook);

} // namespace kvr
