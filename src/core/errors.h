// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include <stdexcept>
#include <string>

namespace kvr {

// A failed seek, read or write on a game file. The front ends show message() as a
// warning and end the program with exit code 1; detail() says where it happened.
class FileAccessError : public std::runtime_error {
  public:
    explicit FileAccessError(std::string message = std::string(kDefaultText), std::string detail = {})
        : std::runtime_error(message), m_detail(std::move(detail))
    {
    }
    const std::string& detail() const { return m_detail; }

    static constexpr const char* kDefaultText = KVR_TR_NOOP("Game files", " File access error! ");

  private:
    std::string m_detail;
};

// A game file could not be written (a full disk, a folder we may not write in): the
// game is as it was. Told like any failed game file, but the command line tells it apart
// from a file that cannot be read.
class FileWriteError : public FileAccessError {
  public:
    using FileAccessError::FileAccessError;
};

// An error of the editor's own data or of user input: the action is abandoned, the
// program goes on.
class GeneralError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace kvr
