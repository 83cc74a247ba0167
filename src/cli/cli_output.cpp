// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.h"
#include "cli/commands.h"

#include "core/errors.h"
#include "core/game_files.h"
#include "core/platform/native_file.h"
#include "core/safe_write.h"

#include <array>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace kvrcli {

CLI::Option* addOutputOption(CLI::App* cmd, std::string& output, const std::string& description)
{
    return cmd->add_option("-o,--output", output, description)->required()->check([](const std::string& name) {
        return name.empty() ? std::string("the output name is empty: give a file name, or - for standard output")
                            : std::string();
    });
}

void writeOutput(const std::string& name, std::span<const std::uint8_t> bytes)
{
    if (isStdout(name)) {
        std::cout.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return;
    }
    try {
        kvr::writeOutputFile(argumentPath(name), bytes);
    } catch (const kvr::WriteFailure& e) {
        throw kvr::GeneralError("Cannot write " + name + ": " + e.reason());
    }
}

void guardOutput(const std::string& name, const std::vector<std::string>& inputs,
                 const std::optional<std::filesystem::path>& game)
{
    if (isStdout(name))
        return;
    std::vector<std::filesystem::path> files;
    for (const std::string& input : inputs)
        if (!isStdout(input))
            files.push_back(argumentPath(input));
    kvr::guardOutputPath(argumentPath(name), files, game);
}

class StdoutGuard::Buffer : public std::streambuf {
  public:
    Buffer() { reset(); }
    int error() const { return m_error; }

  protected:
    int_type overflow(int_type c) override
    {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

  private:
    void reset() { setp(m_bytes.data(), m_bytes.data() + m_bytes.size()); }

    bool drain()
    {
        const std::size_t size = std::size_t(pptr() - pbase());
        reset();
        if (const int error = kvr::platform::writeStandardOutput(pbase(), size); error != 0 && m_error == 0)
            m_error = error;
        return m_error == 0;
    }

    std::array<char, 65536> m_bytes{};
    int m_error = 0;
};

StdoutGuard::StdoutGuard() : m_buffer(std::make_unique<Buffer>()), m_previous(std::cout.rdbuf(m_buffer.get())) {}

StdoutGuard::~StdoutGuard()
{
    std::cout.flush();
    std::cout.rdbuf(m_previous);
}

bool StdoutGuard::flush()
{
    std::cout.flush();
    if (m_buffer->error() == 0 && std::cout.good())
        return true;
    std::cerr << "kvrdesk-cli: cannot write the output: "
              << (m_buffer->error() != 0 ? std::strerror(m_buffer->error()) : "the output was cut short") << '\n';
    return false;
}

} // namespace kvrcli
