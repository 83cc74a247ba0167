// SPDX-License-Identifier: GPL-3.0-or-later
// The installers' checks of add-on files on arbitrary bytes: each says why the bytes
// cannot serve, or nothing, and never reads outside them.
#include "install/source_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    (void)kvr::cockpitPictureProblem(bytes, 640, 480);
    (void)kvr::cockpitPictureProblem(bytes, 3, 2);
    (void)kvr::carTextureProblem(bytes, "not-there.jam");
    (void)kvr::blockFileProblem(bytes, 32);
    return 0;
}
