#include "cli/jsonwriter.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ostream>

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence that starts at s[i], a byte
// from 0x80 up; else 0, and `bad` is the length of its invalid beginning,
// which becomes one U+FFFD (the byte that broke it is read again, as the
// start of what follows).
size_t sequenceAt(std::string_view s, size_t i, size_t& bad)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // what the second byte may be
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80; // no overlong form
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80; // no overlong form
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        bad = 1;
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if (i + k == s.size()) { // cut short by the end of the text
            bad = k;
            return 0;
        }
        const auto next = static_cast<unsigned char>(s[i + k]);
        if (next < low || next > high) {
            bad = k;
            return 0;
        }
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

void appendEscape(std::string& out, unsigned char c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '\\';
    switch (c) {
    case '"':
    case '\\':
        out += static_cast<char>(c);
        break;
    case '\b':
        out += 'b';
        break;
    case '\t':
        out += 't';
        break;
    case '\n':
        out += 'n';
        break;
    case '\f':
        out += 'f';
        break;
    case '\r':
        out += 'r';
        break;
    default:
        out += "u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
}

template <typename Integer> void appendInteger(std::string& out, Integer number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

} // namespace

void appendJsonString(std::string& out, std::string_view s)
{
    out += '"';
    size_t copied = 0; // s before this is in `out`
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        size_t bad = 0;
        if (c >= 0x80) {
            if (const size_t length = sequenceAt(s, i, bad)) {
                i += length;
                continue;
            }
        }
        out.append(s.data() + copied, i - copied);
        if (c >= 0x80) {
            out += kReplacement;
            i += bad;
        } else {
            appendEscape(out, c);
            ++i;
        }
        copied = i;
    }
    out.append(s.data() + copied, s.size() - copied);
    out += '"';
}

void JsonWriter::startValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (filled_.empty())
        return;
    text_ += filled_.back() ? ",\n" : "\n";
    filled_.back() = true;
    text_.append(2 * filled_.size(), ' ');
}

void JsonWriter::begin(char bracket)
{
    startValue();
    text_ += bracket;
    filled_.push_back(false);
}

void JsonWriter::end(char bracket)
{
    const bool filled = filled_.back();
    filled_.pop_back();
    if (filled) {
        text_ += '\n';
        text_.append(2 * filled_.size(), ' ');
    }
    text_ += bracket;
}

void JsonWriter::beginObject()
{
    begin('{');
}

void JsonWriter::endObject()
{
    end('}');
}

void JsonWriter::beginArray()
{
    begin('[');
}

void JsonWriter::endArray()
{
    end(']');
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    startValue();
    appendJsonString(text_, name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(std::string_view text)
{
    startValue();
    appendJsonString(text_, text);
}

void JsonWriter::value(double number)
{
    startValue();
    if (!std::isfinite(number)) {
        text_ += "null";
        return;
    }
    // nlohmann's own conversion, so that every number keeps its text.
    char digits[64];
    text_.append(digits, nlohmann::detail::to_chars(digits, digits + sizeof digits, number));
}

void JsonWriter::value(const std::optional<double>& number)
{
    if (number)
        value(*number);
    else
        value(nullptr);
}

void JsonWriter::value(int number)
{
    startValue();
    appendInteger(text_, number);
}

void JsonWriter::value(bool flag)
{
    startValue();
    text_ += flag ? "true" : "false";
}

void JsonWriter::value(std::nullptr_t)
{
    startValue();
    text_ += "null";
}

void JsonWriter::tree(const nlohmann::ordered_json& tree)
{
    using Type = nlohmann::ordered_json::value_t;
    switch (tree.type()) {
    case Type::object:
        beginObject();
        for (auto it = tree.begin(); it != tree.end(); ++it) {
            key(it.key());
            this->tree(*it);
        }
        endObject();
        break;
    case Type::array:
        beginArray();
        for (const auto& element : tree)
            this->tree(element);
        endArray();
        break;
    case Type::string:
        value(tree.get_ref<const std::string&>());
        break;
    case Type::boolean:
        value(tree.get<bool>());
        break;
    case Type::number_integer:
        startValue();
        appendInteger(text_, tree.get<std::int64_t>());
        break;
    case Type::number_unsigned:
        startValue();
        appendInteger(text_, tree.get<std::uint64_t>());
        break;
    case Type::number_float:
        value(tree.get<double>());
        break;
    default: // null, and what a tree of ours never holds
        startValue();
        text_ += tree.dump();
    }
}

void JsonWriter::flushTo(std::ostream& out)
{
    out.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
}
