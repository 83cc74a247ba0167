#include "core/byte_reader.h"

#include "core/errors.h"

#include <fstream>
#include <iterator>

namespace kvr {

std::vector<std::uint8_t> readPictureFile(const std::filesystem::path& file, std::uint64_t limit)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw GeneralError("Cannot open file \"" + file.string() + "\"");
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        throw GeneralError("Cannot open file \"" + file.string() + "\"");
    if (size > limit)
        throw GeneralError("The file \"" + file.string() + "\" is too large for a picture");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw GeneralError("Cannot open file \"" + file.string() + "\"");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (in.gcount() != std::streamsize(bytes.size()))
        throw GeneralError("Cannot read file \"" + file.string() + "\"");
    return bytes;
}

} // namespace kvr
