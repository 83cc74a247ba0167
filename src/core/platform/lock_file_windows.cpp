// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/lock_file.h"

#include "core/platform/windows_error.h"

#include <cerrno>
#include <windows.h>

namespace kvr::platform {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE handleOf(std::intptr_t native) { return reinterpret_cast<HANDLE>(native); }

bool identify(HANDLE h, BY_HANDLE_FILE_INFORMATION& info) { return ::GetFileInformationByHandle(h, &info) != 0; }

const char* kindOf(DWORD attributes)
{
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return "a link";
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return "a folder";
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0)
        return "a device";
    return "not a regular file";
}

} // namespace

LockFile::~LockFile() { close(); }

int LockFile::open(const std::filesystem::path& file)
{
    close();
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) != 0) {
        m_refusedKind = kindOf(attributes);
        return kNotRegularFile;
    }
    // A link is opened as itself, never followed, so that it is refused below.
    const HANDLE h = ::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileType(h) != FILE_TYPE_DISK || !identify(h, info) || (info.dwFileAttributes & kNotAFile) != 0) {
            m_refusedKind = ::GetFileType(h) != FILE_TYPE_DISK ? "a device" : kindOf(info.dwFileAttributes);
            ::CloseHandle(h);
            return kNotRegularFile;
        }
        m_native = reinterpret_cast<std::intptr_t>(h);
        return 0;
    }
    const DWORD error = ::GetLastError();
    // A lock file removed by its last holder refuses every open until the handles of
    // those still waiting on it are gone: busy, not forbidden.
    if (error == ERROR_ACCESS_DENIED && ::GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES &&
        ::GetLastError() == ERROR_ACCESS_DENIED)
        return EBUSY;
    return errnoFromWindows(error);
}

bool LockFile::tryLock()
{
    OVERLAPPED at{};
    return ::LockFileEx(handleOf(m_native), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
}

bool LockFile::isNamed(const std::filesystem::path& file) const
{
    const HANDLE named =
        ::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    const bool same = identify(handleOf(m_native), a) && identify(named, b) &&
                      a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                      a.nFileIndexLow == b.nFileIndexLow;
    ::CloseHandle(named);
    return same;
}

void LockFile::releaseAndRemove(const std::filesystem::path& file)
{
    ::DeleteFileW(file.c_str());
    close();
}

void LockFile::close()
{
    if (isOpen())
        ::CloseHandle(handleOf(m_native));
    m_native = -1;
}

} // namespace kvr::platform
