// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

namespace kvr {

Message::Message(Marked pattern, std::vector<Message> args)
    : m_context(pattern.context), m_pattern(pattern.text), m_args(std::move(args))
{
}

Message Message::unmarked(std::string pattern, std::vector<Message> args)
{
    Message m(std::move(pattern));
    m.m_args = std::move(args);
    return m;
}

std::string fillInText(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < args.size()) {
                text += args[n];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string Message::english() const
{
    if (m_args.empty())
        return m_pattern;
    std::vector<std::string> texts;
    texts.reserve(m_args.size());
    for (const Message& a : m_args)
        texts.push_back(a.english());
    return fillInText(m_pattern, texts);
}

Message Message::joined(std::vector<Message> parts, std::string separator)
{
    std::string pattern;
    for (std::size_t i = 0; i < parts.size() && i < 9; ++i)
        pattern += (i ? separator : std::string()) + "%" + std::to_string(i + 1);
    if (parts.size() > 9) {
        // Places go up to %9: the rest are joined into the last one.
        std::vector<Message> rest(parts.begin() + 8, parts.end());
        parts.resize(8);
        parts.push_back(joined(std::move(rest), separator));
    }
    return unmarked(std::move(pattern), std::move(parts));
}

Message operator+(const Message& a, const Message& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return Message::joined({a, b});
}

Message& operator+=(Message& a, const Message& b)
{
    a = a + b;
    return a;
}

Message fillIn(Marked pattern, std::initializer_list<Message> args)
{
    return Message(pattern, std::vector<Message>(args));
}

Message messageOf(const std::exception& e)
{
    if (const auto* carrier = dynamic_cast<const MessageCarrier*>(&e))
        return carrier->message();
    return Message(e.what());
}

} // namespace kvr
