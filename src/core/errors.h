// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tr_marker.h"
#include <stdexcept>
#include <string>

namespace kvr {

// A failed seek, read or write on a game file. The front ends show message() as a
// warning and end the program with exit code 1; detail() says where it happened.
class FileAccessError : public std::runtime_error, public MessageCarrier {
  public:
    explicit FileAccessError(Message message = kDefaultText, Message detail = {})
        : std::runtime_error(message.english()), MessageCarrier(message), m_detail(std::move(detail))
    {
    }
    const Message& detail() const { return m_detail; }

    static constexpr Marked kDefaultText = KVR_TR_NOOP("Game files", " File access error! ");

  private:
    Message m_detail;
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
class GeneralError : public std::runtime_error, public MessageCarrier {
  public:
    explicit GeneralError(Message message) : std::runtime_error(message.english()), MessageCarrier(std::move(message)) {}
};

} // namespace kvr
