#include "engine/common/numtext.h"

#include "engine/common/errors.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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
    // as few as read back to the same double.
    char buf[64];
    auto res = exact ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific)
                     : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);
    double back = 0;
    // Only the very largest doubles can round past the range.
    if (!exact && std::fabs(v) >= 1e308
        && std::from_chars(buf, res.ptr, back).ec == std::errc::result_out_of_range) {
        // Rounding carried one of the largest doubles past the range, and
        // the text would not read back; cut the digits instead.
        res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
        s.assign(buf, res.ptr);
        s.erase(s.find('e') - 2, 2);
    }
    bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    size_t ePos = s.find('e');
    int exp10 = std::atoi(s.c_str() + ePos + 1);
    std::string digits
        = s.substr(0, 1) + (ePos > 1 ? s.substr(2, ePos - 2) : std::string()); // "1e+00" has no point
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    // Fixed notation from 0.0001 up to (but not including) 10^15.
    if (exp10 >= -4 && exp10 < 15) {
        if (exp10 < 0) {
            out += "0,";
            out.append(static_cast<size_t>(-exp10 - 1), '0');
            out += digits;
        } else {
            size_t intLen = static_cast<size_t>(exp10) + 1;
            if (digits.size() <= intLen) {
                out += digits;
                out.append(intLen - digits.size(), '0');
            } else {
                out += digits.substr(0, intLen);
                out += ',';
                out += digits.substr(intLen);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += ',';
        out += digits.substr(1);
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
