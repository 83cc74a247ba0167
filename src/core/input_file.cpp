#include "core/input_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

namespace kvr {

namespace {

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

std::string sizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

class ReadFd {
public:
    explicit ReadFd(int fd) : m_fd(fd) {}
    ~ReadFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadFd(const ReadFd&) = delete;
    ReadFd& operator=(const ReadFd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The game's executable is megabytes long: touching its buffer page by page costs more
// at start-up than reading it, where the system offers large pages on request.
void adviseLargePages([[maybe_unused]] std::vector<std::uint8_t>& buffer)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLarge = 2 * 1024 * 1024;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (begin + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t last = (begin + buffer.capacity()) & ~(kLarge - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

} // namespace

std::vector<std::uint8_t> readInputFile(const std::filesystem::path& file, std::uint64_t limit, Longer longer)
{
    const std::string name = file.string();
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    ReadFd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        throw InputFileError("Cannot open " + name + ": " + std::strerror(errno), true);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw InputFileError("Cannot open " + name + ": " + std::strerror(errno), true);
    if (!S_ISREG(st.st_mode))
        throw InputFileError("Cannot read " + name + ": it is " + kindOf(st.st_mode) + ", not a regular file", false);
    const auto size = std::uint64_t(st.st_size);
    if (longer == Longer::Refuse && size > limit)
        throw InputFileError("Cannot read " + name + ": it is larger than " + sizeText(limit), false);

    // One byte past the limit shows a file that grew while we read it.
    const std::uint64_t want = longer == Longer::Refuse ? limit + 1 : limit;
    // Room for one byte more than the size, so that a file read whole ends in a short read
    // rather than in growing (and copying) a large buffer.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(std::min(size + 1, want)));
    adviseLargePages(bytes);
    bytes.resize(bytes.capacity());
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= want)
                break;
            bytes.resize(std::size_t(std::min<std::uint64_t>(want, got + 65536)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw InputFileError("Cannot read " + name + ": " + std::strerror(errno), false);
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    bytes.resize(got);
    if (longer == Longer::Refuse && got > limit)
        throw InputFileError("Cannot read " + name + ": it is larger than " + sizeText(limit), false);
    return bytes;
}

} // namespace kvr
