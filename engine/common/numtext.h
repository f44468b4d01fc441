#pragma once
// Numbers as the user sees them: always with a decimal comma, whatever the
// process locale (Qt calls setlocale, so the C library's conversions would
// follow the desktop's locale). Nothing here touches the C locale.

#include <string>

// General format: at most 15 significant digits, no trailing zeros, whole
// numbers without a decimal part, scientific (1E-5, 1,5E20) only below
// 0.0001 or from 10^15 on.
std::string numText(double v);

// The same format with as many digits as it takes to read back to the same
// double (17 at most): for the places where 15 digits would hide a
// difference that matters.
std::string exactText(double v);

std::string intText(int v);

// Optional blanks, optional sign, digits with at most one comma (at least one
// digit), an optional exponent E[sign]digits, optional blanks. Anything else
// throws ConversionError "'<text>' is not a valid floating point value".
double strToFloat(const std::string& text);

// Optional blanks, optional sign, decimal digits, optional blanks, within the
// range of a 32-bit integer. Anything else throws ConversionError
// "'<text>' is not a valid integer value".
int strToInt(const std::string& text);

// The same rules without throwing.
bool tryStrToFloat(const std::string& text, double& out);
bool tryStrToInt(const std::string& text, int& out);
