// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/json_input.h"

#include "core/errors.h"
#include "core/tr_marker.h"

#include <cstdio>
#include <set>
#include <vector>

namespace kvr {
namespace {

using nlohmann::json;

// Reads the text once without building anything, so that a value nested too deep or a
// key given twice (which the parser would silently keep the last of) is refused first.
class Checker final : public nlohmann::json_sax<json> {
  public:
    bool null() override { return element(); }
    bool boolean(bool) override { return element(); }
    bool number_integer(number_integer_t) override { return element(); }
    bool number_unsigned(number_unsigned_t) override { return element(); }
    bool number_float(number_float_t, const string_t&) override { return element(); }
    bool string(string_t&) override { return element(); }
    bool binary(binary_t&) override { return element(); }
    bool start_object(std::size_t) override { return open(true); }
    bool start_array(std::size_t) override { return open(false); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& key) override
    {
        Level& level = m_levels.back();
        level.key = key;
        if (!level.keys.insert(key).second)
            throw GeneralError(
                fillIn(KVR_TR_NOOP("Import and export", "key \"%1\" is given twice"), {quotedForMessage(path())}));
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
    {
        // The parser's text quotes what it last read, which may be a whole file.
        throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "not JSON: %1"),
                                  {quotedForMessage(std::string_view(e.what()), 200)}));
    }

  private:
    struct Level {
        bool object = false;
        std::size_t index = 0; // of the element being read, in an array
        std::string key;       // being read, in an object
        std::set<std::string> keys;
    };

    bool element()
    {
        if (!m_levels.empty() && !m_levels.back().object)
            ++m_levels.back().index;
        return true;
    }

    bool open(bool object)
    {
        if (m_levels.size() == kMaxJsonDepth)
            throw GeneralError(fillIn(KVR_TR_NOOP("Import and export", "%1: nested deeper than %2 levels"),
                                      {quotedForMessage(path()), std::to_string(kMaxJsonDepth)}));
        m_levels.push_back({object, 0, {}, {}});
        return true;
    }

    bool close()
    {
        m_levels.pop_back();
        return element();
    }

    // Where the parser is: "changes[1].to".
    std::string path() const
    {
        std::string p;
        for (const Level& level : m_levels) {
            if (!level.object)
                p += "[" + std::to_string(level.index) + "]";
            else
                p += (p.empty() ? "" : ".") + level.key;
        }
        return p;
    }

    std::vector<Level> m_levels;
};

std::size_t sequenceLength(unsigned char lead)
{
    if (lead >> 5 == 0x6)
        return 2;
    if (lead >> 4 == 0xE)
        return 3;
    if (lead >> 3 == 0x1E)
        return 4;
    return 1;
}

} // namespace

json parseUserJson(std::string_view text)
{
    Checker checker;
    json::sax_parse(text.begin(), text.end(), &checker);
    return json::parse(text.begin(), text.end());
}

std::string quotedForMessage(std::string_view text, std::size_t limit)
{
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (shown >= limit) {
            out += "...";
            break;
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = sequenceLength(lead);
        if (i + length > text.size())
            length = 1;
        // C0 and C1 controls, which a terminal may take as commands or a message box drops.
        int control = -1;
        if (lead < 0x20 || lead == 0x7F)
            control = lead;
        else if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            control = static_cast<unsigned char>(text[i + 1]);
        if (control >= 0) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(control));
            out += escaped;
            shown += 6; // an escape takes its width of the message, or 48 of them fill a screen
        } else {
            out.append(text.substr(i, length));
            ++shown;
        }
        i += length;
    }
    return out;
}

std::string quotedJson(const json& value, std::size_t limit)
{
    return quotedForMessage(value.dump(-1, ' ', false, json::error_handler_t::replace), limit);
}

} // namespace kvr
