#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace kvrcli {

// "-" as a file name stands for standard output.
inline bool isStdout(const std::string& name) { return name == "-"; }

// Writes an output the user named: "-" to standard output, a device or FIFO directly,
// anything else replaced whole. Throws GeneralError "Cannot write NAME: reason".
void writeOutput(const std::string& name, std::span<const std::uint8_t> bytes);

// While it lives, std::cout writes through a buffer of ours that remembers why a write
// failed, even one made long before the end.
class StdoutGuard {
public:
    StdoutGuard();
    ~StdoutGuard();
    StdoutGuard(const StdoutGuard&) = delete;
    StdoutGuard& operator=(const StdoutGuard&) = delete;

    // Writes what is left; on any failed write prints why on stderr and returns false.
    bool flush();

private:
    class Buffer;
    std::unique_ptr<Buffer> m_buffer;
    std::streambuf* m_previous;
};

} // namespace kvrcli
