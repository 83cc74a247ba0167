// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/native_file.h"

#include <utility>

// Owning the one handle is the same on every platform; each side opens, reads, writes
// and closes it in its own way.
namespace kvr::platform {

NativeFile::~NativeFile()
{
    if (isOpen())
        close();
}

NativeFile::NativeFile(NativeFile&& other) noexcept : m_native(std::exchange(other.m_native, -1)) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept
{
    std::swap(m_native, other.m_native);
    return *this;
}

bool NativeFile::isOpen() const { return m_native >= 0; }

} // namespace kvr::platform
