#include "engine/common/numtext.h"

#include "engine/common/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace {

bool isBlank(char ch)
{
    return ch == ' ';
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

std::string trimBlanks(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

} // namespace

namespace {

// The general format of numText with the digits of `scientific`.
std::string generalText(double v, bool exact);

} // namespace

std::string numText(double v)
{
    return generalText(v, false);
}

std::string exactText(double v)
{
    return generalText(v, true);
}

namespace {

std::string generalText(double v, bool exact)
{
    if (v == 0 || !std::isfinite(v))
        return "0";
    // 15 significant digits, correctly rounded: d.ddddddddddddddde±x; or
    // as few as read back to the same double. Worked in buffers on the
    // stack: a batch writes tens of these for every design.
    char buf[64];
    auto res = exact ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific)
                     : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    double back = 0;
    // Only the very largest doubles can round past the range.
    if (!exact && std::fabs(v) >= 1e308
        && std::from_chars(buf, res.ptr, back).ec == std::errc::result_out_of_range) {
        // Rounding carried one of the largest doubles past the range, and
        // the text would not read back; cut the digits instead.
        res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
        char* e = std::find(buf, res.ptr, 'e');
        res.ptr = std::copy(e, res.ptr, e - 2);
    }
    const bool negative = buf[0] == '-';
    const char* mantissa = buf + (negative ? 1 : 0);
    const char* e = std::find(mantissa, static_cast<const char*>(res.ptr), 'e');
    int exp10 = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exp10);
    char digits[24]; // the mantissa without its point ("1e+00" has none) and trailing zeros
    size_t count = 0;
    digits[count++] = mantissa[0];
    for (const char* d = mantissa + 2; d < e; ++d)
        digits[count++] = *d;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const std::string_view all(digits, count);

    std::string out = negative ? "-" : "";
    // Fixed notation from 0.0001 up to (but not including) 10^15.
    if (exp10 >= -4 && exp10 < 15) {
        if (exp10 < 0) {
            out += "0,";
            out.append(static_cast<size_t>(-exp10 - 1), '0');
            out += all;
        } else {
            const size_t intLen = static_cast<size_t>(exp10) + 1;
            if (count <= intLen) {
                out += all;
                out.append(intLen - count, '0');
            } else {
                out += all.substr(0, intLen);
                out += ',';
                out += all.substr(intLen);
            }
        }
        return out;
    }
    out += all.substr(0, 1);
    if (count > 1) {
        out += ',';
        out += all.substr(1);
    }
    out += 'E';
    out += std::to_string(exp10);
    return out;
}

} // namespace

std::string intText(int v)
{
    return std::to_string(v);
}

bool tryStrToFloat(const std::string& text, double& out)
{
    const std::string s = trimBlanks(text);
    size_t p = 0;
    std::string plain; // the same number with a full stop, for from_chars
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        if (s[p] == '-')
            plain += '-';
        ++p;
    }
    int mantDigits = 0;
    while (p < s.size() && isDigit(s[p])) {
        plain += s[p++];
        ++mantDigits;
    }
    if (p < s.size() && s[p] == ',') {
        plain += '.';
        ++p;
        while (p < s.size() && isDigit(s[p])) {
            plain += s[p++];
            ++mantDigits;
        }
    }
    if (mantDigits == 0)
        return false;
    if (p < s.size() && (s[p] == 'E' || s[p] == 'e')) {
        plain += 'e';
        ++p;
        if (p < s.size() && (s[p] == '+' || s[p] == '-'))
            plain += s[p++];
        int expDigits = 0;
        while (p < s.size() && isDigit(s[p])) {
            plain += s[p++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (p != s.size())
        return false;
    // from_chars does not take a leading '+' and wants a digit before '.'
    if (plain.size() > 0 && plain[plain.size() - 1] == '.')
        plain += '0';
    size_t dot = plain.find('.');
    if (dot != std::string::npos && (dot == 0 || plain[dot - 1] == '-'))
        plain.insert(dot, "0");
    double v = 0;
    auto res = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number we can hold.
        size_t e = plain.find('e');
        if (e != std::string::npos && plain[e + 1] == '-') {
            out = 0;
            return true;
        }
        return false;
    }
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

double strToFloat(const std::string& text)
{
    double v = 0;
    if (!tryStrToFloat(text, v))
        throw ConversionError("'" + text + "' is not a valid floating point value");
    return v;
}

bool tryStrToInt(const std::string& text, int& out)
{
    const std::string s = trimBlanks(text);
    size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
    }
    if (p == s.size())
        return false;
    int64_t v = 0;
    for (; p < s.size(); ++p) {
        if (!isDigit(s[p]))
            return false;
        v = v * 10 + (s[p] - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL || v < -2147483648LL)
        return false;
    out = static_cast<int>(v);
    return true;
}

int strToInt(const std::string& text)
{
    int v = 0;
    if (!tryStrToInt(text, v))
        throw ConversionError("'" + text + "' is not a valid integer value");
    return v;
}
