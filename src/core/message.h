// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace kvr {

// A text marked for translation (KVR_TR_NOOP): its context and its English source.
struct Marked {
    const char* context;
    const char* text;
    constexpr operator const char*() const noexcept { return text; }
    operator std::string() const { return text; }
};

// A text the core tells the user, kept as what it is made of: a marked pattern with its
// arguments (each a message of its own), or a text shown as it is (a file name, a
// number, a game's name, the system's words). Windows translate the pattern in the
// language of the moment and then fill in the arguments; the command line prints the
// English text.
class Message {
  public:
    Message() = default;
    Message(Marked marked) : m_context(marked.context), m_pattern(marked.text) {}
    Message(std::string text) : m_pattern(std::move(text)) {}
    Message(const char* text) : m_pattern(text ? text : "") {}
    Message(Marked pattern, std::vector<Message> args);

    // Empty for a text shown as it is.
    const std::string& context() const { return m_context; }
    const std::string& pattern() const { return m_pattern; }
    const std::vector<Message>& args() const { return m_args; }
    bool marked() const { return !m_context.empty(); }
    bool empty() const { return m_pattern.empty() && m_args.empty(); }

    // The English text: the pattern with %1, %2, ... replaced by the arguments' texts,
    // in one pass, so that an argument holding "%2" stays as it is.
    std::string english() const;
    // The English text, for callers that keep a plain string (the command line, logs).
    operator std::string() const { return english(); }

    // Messages put one after another, e.g. a heading and a reason on lines of their own.
    static Message joined(std::vector<Message> parts, std::string separator = {});

    friend bool operator==(const Message& a, const Message& b) { return a.english() == b.english(); }

  private:
    // A text shown as it is, with places for parts that are messages of their own.
    static Message unmarked(std::string pattern, std::vector<Message> args);

    std::string m_context;
    std::string m_pattern;
    std::vector<Message> m_args;
};

Message operator+(const Message& a, const Message& b);
inline std::ostream& operator<<(std::ostream& out, const Message& m) { return out << m.english(); }
inline std::ostream& operator<<(std::ostream& out, const Marked& m) { return out << m.text; }
Message& operator+=(Message& a, const Message& b);

// `pattern` with %1, %2, ... to be replaced by `args`.
Message fillIn(Marked pattern, std::initializer_list<Message> args);

// `pattern` with %1, %2, ... replaced by `args` in one pass: a place without an argument
// stays as written.
std::string fillInText(const std::string& pattern, const std::vector<std::string>& args);

// An error that carries its message as a value.
class MessageCarrier {
  public:
    explicit MessageCarrier(Message message) : m_message(std::move(message)) {}
    virtual ~MessageCarrier() = default;
    const Message& message() const { return m_message; }

  private:
    Message m_message;
};

// What an exception tells the user: its message when it carries one, else its what().
Message messageOf(const std::exception& e);

} // namespace kvr
