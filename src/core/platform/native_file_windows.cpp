// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/native_file.h"

#include "core/platform/windows_error.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <iterator>
#include <random>
#include <utility>
#include <windows.h>

namespace kvr::platform {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUniqueChars = 6;
constexpr int kUniqueTries = 100;
// Other programs may read, and even rename or remove, a file we hold open, as on POSIX.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE handleOf(std::intptr_t native) { return reinterpret_cast<HANDLE>(native); }

std::intptr_t nativeOf(HANDLE h) { return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h); }

int errorOr(BOOL ok) { return ok ? 0 : lastErrno(); }

} // namespace

int NativeFile::openToRead(const fs::path& file)
{
    // Backup semantics open folders too, so that they are refused by kind, not by name.
    m_native = nativeOf(::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return isOpen() ? 0 : lastErrno();
}

int NativeFile::openToWrite(const fs::path& file)
{
    m_native = nativeOf(::CreateFileW(file.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    return isOpen() ? 0 : lastErrno();
}

int NativeFile::createUnique(fs::path& file)
{
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::wstring pattern = file.native();
    if (pattern.size() < kUniqueChars)
        return EINVAL;
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kLetters) - 2);
    for (int attempt = 0; attempt < kUniqueTries; ++attempt) {
        for (std::size_t i = pattern.size() - kUniqueChars; i < pattern.size(); ++i)
            pattern[i] = kLetters[pick(random)];
        m_native = nativeOf(::CreateFileW(pattern.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (isOpen()) {
            file = pattern;
            return 0;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return errnoFromWindows(error);
    }
    return EEXIST;
}

int NativeFile::kind(FileKind& kind) const
{
    const DWORD type = ::GetFileType(handleOf(m_native));
    if (type == FILE_TYPE_CHAR) {
        kind.otherKind = "a character device";
        return 0;
    }
    if (type == FILE_TYPE_PIPE) {
        kind.otherKind = "a FIFO";
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (type != FILE_TYPE_DISK || !::GetFileInformationByHandle(handleOf(m_native), &info))
        return type == FILE_TYPE_DISK ? lastErrno() : 0;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        kind.otherKind = "a folder";
        return 0;
    }
    kind.regular = true;
    kind.size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return 0;
}

int NativeFile::readSome(std::span<std::uint8_t> buffer, std::size_t& got)
{
    DWORD n = 0;
    const DWORD want = DWORD(std::min<std::size_t>(buffer.size(), 1u << 30));
    if (!::ReadFile(handleOf(m_native), buffer.data(), want, &n, nullptr)) {
        got = 0;
        return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : lastErrno();
    }
    got = n;
    return 0;
}

int NativeFile::writeAll(std::span<const std::uint8_t> data)
{
    const std::uint8_t* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        DWORD n = 0;
        if (!::WriteFile(handleOf(m_native), p, DWORD(std::min<std::size_t>(left, 1u << 30)), &n, nullptr))
            return lastErrno();
        if (n == 0)
            return EIO;
        p += n;
        left -= n;
    }
    return 0;
}

// A replacement gets the folder's default access, as a file saved by any other program.
void NativeFile::give(const Permissions&) {}

int NativeFile::flushToDisk() { return errorOr(::FlushFileBuffers(handleOf(m_native))); }

int NativeFile::close() { return errorOr(::CloseHandle(handleOf(std::exchange(m_native, -1)))); }

FileVersion versionOf(const fs::path& file)
{
    const HANDLE h = ::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                   nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(h, &info);
    ::CloseHandle(h);
    if (!known)
        return {};
    return {true, info.dwVolumeSerialNumber, (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
            std::int64_t((std::uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) |
                         info.ftLastWriteTime.dwLowDateTime)};
}

Permissions permissionsOf(const fs::path&) { return {}; }

bool isRegularOrMissing(const fs::path& file)
{
    const HANDLE h = ::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                   nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return true;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = ::GetFileType(h) == FILE_TYPE_DISK && ::GetFileInformationByHandle(h, &info) &&
                         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::CloseHandle(h);
    return regular;
}

int replaceWith(const fs::path& from, const fs::path& to)
{
    return errorOr(::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

int moveWithoutReplacing(const fs::path& from, const fs::path& to)
{
    return errorOr(::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH));
}

void removeFile(const fs::path& file) { ::DeleteFileW(file.c_str()); }

// MOVEFILE_WRITE_THROUGH has already put the rename on disk.
void flushFolder(const fs::path&) {}

void adviseLargePages(std::vector<std::uint8_t>&) {}

namespace {

UINT g_consoleCodePage = 0;

bool isConsole(DWORD stream)
{
    DWORD mode = 0;
    const HANDLE h = ::GetStdHandle(stream);
    return h != nullptr && h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode);
}

void restoreConsoleCodePage()
{
    if (g_consoleCodePage)
        ::SetConsoleOutputCP(g_consoleCodePage);
}

} // namespace

void useUntranslatedStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    // Our texts are UTF-8: a console is told so (and gets its own code page back at the
    // end), so "Jürgen" shows as written; a file or a pipe gets the same bytes as ever.
    if ((isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) && !g_consoleCodePage) {
        const UINT before = ::GetConsoleOutputCP();
        if (before != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
            g_consoleCodePage = before;
            std::atexit(restoreConsoleCodePage);
        }
    }
}

int writeStandardOutput(const char* bytes, std::size_t size)
{
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return EBADF;
    while (size > 0) {
        DWORD n = 0;
        if (!::WriteFile(out, bytes, DWORD(std::min<std::size_t>(size, 1u << 30)), &n, nullptr))
            return lastErrno();
        if (n == 0)
            return EIO;
        bytes += n;
        size -= n;
    }
    return 0;
}

} // namespace kvr::platform
