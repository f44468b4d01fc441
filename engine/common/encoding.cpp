#include "engine/common/encoding.h"

#include <algorithm>
#include <cstdint>

namespace {

// Unicode code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
// 0x98 has no character in the code page and maps to U+0098, as Windows does.
const char32_t kHigh[64] = {
    0x0402,
    0x0403,
    0x201A,
    0x0453,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x20AC,
    0x2030,
    0x0409,
    0x2039,
    0x040A,
    0x040C,
    0x040B,
    0x040F,
    0x0452,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x0098,
    0x2122,
    0x0459,
    0x203A,
    0x045A,
    0x045C,
    0x045B,
    0x045F,
    0x00A0,
    0x040E,
    0x045E,
    0x0408,
    0x00A4,
    0x0490,
    0x00A6,
    0x00A7,
    0x0401,
    0x00A9,
    0x0404,
    0x00AB,
    0x00AC,
    0x00AD,
    0x00AE,
    0x0407,
    0x00B0,
    0x00B1,
    0x0406,
    0x0456,
    0x0491,
    0x00B5,
    0x00B6,
    0x00B7,
    0x0451,
    0x2116,
    0x0454,
    0x00BB,
    0x0458,
    0x0405,
    0x0455,
    0x0457,
};

char32_t byteToCode(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b >= 0xC0)
        return 0x0410 + (b - 0xC0);
    return kHigh[b - 0x80];
}

int codeToByte(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F)
        return static_cast<int>(0xC0 + (c - 0x0410));
    for (int k = 0; k < 64; ++k)
        if (kHigh[k] == c)
            return 0x80 + k;
    return -1;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[p]; returns its length, 0 when invalid.
size_t decodeUtf8(const std::string& s, size_t p, char32_t& c)
{
    auto b = static_cast<unsigned char>(s[p]);
    size_t len;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (p + len > s.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        auto cb = static_cast<unsigned char>(s[p + k]);
        if ((cb & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (cb & 0x3F);
    }
    static const char32_t kMin[5] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

// Calls visit(c, valid) with each character of the UTF-8 text, in order,
// while it returns true; a byte that starts no valid sequence comes alone,
// read as Windows-1251, with valid false. False when a visit stopped it.
template <typename Visit> bool forEachChar(const std::string& text, Visit visit)
{
    for (size_t p = 0; p < text.size();) {
        char32_t c;
        size_t len = decodeUtf8(text, p, c);
        const bool valid = len != 0;
        if (!valid) {
            c = byteToCode(static_cast<unsigned char>(text[p]));
            len = 1;
        }
        if (!visit(c, valid))
            return false;
        p += len;
    }
    return true;
}

char32_t lower(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0x0410 && c <= 0x042F)
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F)
        return c + 0x50;
    if (c == 0x0490)
        return 0x0491;
    return c;
}

} // namespace

std::string cp1251ToUtf8(std::string bytes)
{
    // Numbers and Latin text, most lines of the data files, read the same.
    if (std::all_of(
            bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
        return bytes;
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
        appendUtf8(out, byteToCode(static_cast<unsigned char>(ch)));
    return out;
}

std::string utf8ToCp1251(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    forEachChar(text, [&](char32_t c, bool valid) {
        const int b = valid ? codeToByte(c) : -1;
        out += b < 0 ? '?' : static_cast<char>(b);
        return true;
    });
    return out;
}

bool fitsCp1251(const std::string& text)
{
    return forEachChar(text, [](char32_t c, bool valid) { return valid && codeToByte(c) >= 0; });
}

std::string foldCase(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    forEachChar(text, [&](char32_t c, bool) {
        appendUtf8(out, lower(c));
        return true;
    });
    return out;
}
