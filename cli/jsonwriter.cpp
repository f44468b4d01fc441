#include "cli/jsonwriter.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence that starts at *s, a byte
// from 0x80 up; else 0, and `bad` is the length of its invalid beginning,
// which becomes one U+FFFD (the byte that broke it is read again, as the
// start of what follows).
size_t sequenceAt(const unsigned char* s, const unsigned char* end, size_t& bad)
{
    const unsigned char lead = *s;
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
        if (s + k == end) { // cut short by the end of the text
            bad = k;
            return 0;
        }
        const unsigned char next = s[k];
        if (next < low || next > high) {
            bad = k;
            return 0;
        }
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

char* writeEscape(char* out, unsigned char c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    switch (c) {
    case '"':
    case '\\':
        *out++ = static_cast<char>(c);
        break;
    case '\b':
        *out++ = 'b';
        break;
    case '\t':
        *out++ = 't';
        break;
    case '\n':
        *out++ = 'n';
        break;
    case '\f':
        *out++ = 'f';
        break;
    case '\r':
        *out++ = 'r';
        break;
    default:
        std::memcpy(out, "u00", 3);
        out[3] = kHex[c >> 4];
        out[4] = kHex[c & 0xF];
        out += 5;
    }
    return out;
}

// How many of the eight bytes from `bytes` on a JSON string holds as they
// are: plain ASCII (no control character, '"' or '\\') and whole two-byte
// sequences, which the texts here (Cyrillic) are made of. A lead byte whose
// second byte is not among the eight is left for the next eight. All eight
// bytes are tested at once, as one 64-bit word.
size_t plainBytes(const unsigned char* bytes)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x80 * kOnes;
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word); // the first byte lowest
    // Each mask has bit 7 of a byte set where the byte is what it names;
    // nothing carries from one byte into the next.
    const std::uint64_t high = word & kHighs;
    const std::uint64_t bit6 = (word << 1) & kHighs, bit5 = (word << 2) & kHighs;
    const std::uint64_t lead = high & bit6; // 0xC0 and up
    const std::uint64_t twoByteLead = lead & ~bit5 & ((word & 0x1E * kOnes) + 0x7F * kOnes); // 0xC2-0xDF
    const std::uint64_t continuation = high & ~bit6; // 0x80-0xBF
    const std::uint64_t control = ~((word & 0x7F * kOnes) + 0x60 * kOnes) & ~high & kHighs;
    // Exact for the lowest byte that is zero, which is all that is used.
    const auto zero = [&](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const std::uint64_t bad = (lead ^ twoByteLead) | (continuation ^ (lead << 8)) | control
        | zero(word ^ '"' * kOnes) | zero(word ^ '\\' * kOnes);
    size_t plain = bad ? static_cast<size_t>(std::countr_zero(bad)) / 8 : 8;
    if (plain > 0 && (lead >> (8 * plain - 1) & 1))
        --plain;
    return plain;
}

template <typename Integer> char* writeInteger(char* out, Integer number)
{
    return std::to_chars(out, out + 24, number).ptr;
}

} // namespace

char* JsonWriter::room(size_t n)
{
    if (capacity_ - size_ < n) {
        const size_t capacity = std::max({ 2 * capacity_, size_ + n, size_t { 1 } << 14 });
        auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0)
            std::memcpy(buffer.get(), buffer_.get(), size_);
        buffer_ = std::move(buffer);
        capacity_ = capacity;
    }
    return buffer_.get() + size_;
}

void JsonWriter::append(std::string_view bytes)
{
    std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
    size_ += bytes.size();
}

void JsonWriter::string(std::string_view s)
{
    // Escaped, a byte takes at most six ("\u001f"), replaced at most three.
    char* out = room(6 * s.size() + 2);
    *out++ = '"';
    const auto* in = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = in + s.size();
    while (in != end) {
        if (end - in >= 8) {
            if (const size_t plain = plainBytes(in)) {
                std::memcpy(out, in, 8);
                out += plain;
                in += plain;
                continue;
            }
        } else if (*in >= 0x20 && *in < 0x80 && *in != '"' && *in != '\\') { // the last few, one by one
            *out++ = static_cast<char>(*in++);
            continue;
        }
        // One character that is not plain: escaped, a longer sequence, or invalid.
        if (*in < 0x80) {
            out = writeEscape(out, *in);
            ++in;
            continue;
        }
        size_t bad = 0;
        if (const size_t length = sequenceAt(in, end, bad)) {
            std::memcpy(out, in, length);
            out += length;
            in += length;
        } else {
            std::memcpy(out, kReplacement, 3);
            out += 3;
            in += bad;
        }
    }
    *out++ = '"';
    size_ = static_cast<size_t>(out - buffer_.get());
}

void JsonWriter::newElement()
{
    const size_t indent = 2 * filled_.size();
    char* out = room(indent + 2);
    if (filled_.back())
        *out++ = ',';
    *out++ = '\n';
    std::memset(out, ' ', indent);
    size_ = static_cast<size_t>(out + indent - buffer_.get());
    filled_.back() = true;
}

void JsonWriter::begin(char bracket)
{
    startValue();
    append({ &bracket, 1 });
    filled_.push_back(false);
}

void JsonWriter::end(char bracket)
{
    const bool filled = filled_.back();
    filled_.pop_back();
    const size_t indent = filled ? 2 * filled_.size() : 0;
    char* out = room(indent + 2);
    if (filled) {
        *out++ = '\n';
        std::memset(out, ' ', indent);
        out += indent;
    }
    *out++ = bracket;
    size_ = static_cast<size_t>(out - buffer_.get());
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

JsonWriter& JsonWriter::keyText(std::string_view name)
{
    startValue();
    string(name);
    append(": ");
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::key(JsonKey name)
{
    startValue();
    const std::string_view text = name.text();
    char* out = room(text.size() + 4);
    *out++ = '"';
    std::memcpy(out, text.data(), text.size());
    std::memcpy(out + text.size(), "\": ", 3);
    size_ = static_cast<size_t>(out + text.size() + 3 - buffer_.get());
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(std::string_view text)
{
    startValue();
    string(text);
}

void JsonWriter::value(double number)
{
    startValue();
    if (!std::isfinite(number))
        return append("null");
    // nlohmann's own conversion, so that every number keeps its text.
    char* out = room(64);
    size_ = static_cast<size_t>(nlohmann::detail::to_chars(out, out + 64, number) - buffer_.get());
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
    size_ = static_cast<size_t>(writeInteger(room(24), number) - buffer_.get());
}

void JsonWriter::value(bool flag)
{
    startValue();
    append(flag ? "true" : "false");
}

void JsonWriter::value(std::nullptr_t)
{
    startValue();
    append("null");
}

void JsonWriter::tree(const nlohmann::ordered_json& tree)
{
    using Type = nlohmann::ordered_json::value_t;
    switch (tree.type()) {
    case Type::object:
        beginObject();
        for (auto it = tree.begin(); it != tree.end(); ++it) {
            keyText(it.key());
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
        size_ = static_cast<size_t>(writeInteger(room(24), tree.get<std::int64_t>()) - buffer_.get());
        break;
    case Type::number_unsigned:
        startValue();
        size_ = static_cast<size_t>(writeInteger(room(24), tree.get<std::uint64_t>()) - buffer_.get());
        break;
    case Type::number_float:
        value(tree.get<double>());
        break;
    default: // null, and what a tree of ours never holds
        startValue();
        append(tree.dump());
    }
}

void JsonWriter::flushTo(std::ostream& out)
{
    out.write(buffer_.get(), static_cast<std::streamsize>(size_));
    size_ = 0;
}
