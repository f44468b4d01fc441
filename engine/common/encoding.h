#pragma once
// Windows-1251, the code page of every data file, to and from the UTF-8 text
// the program works with.

#include <string>

std::string cp1251ToUtf8(std::string bytes);

// Characters that Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(const std::string& text);

// True when every character of the UTF-8 text has a Windows-1251 byte.
bool fitsCp1251(const std::string& text);

// Lower-cases Latin and Cyrillic letters, for comparing file names without
// regard to letter case. Bytes that are not valid UTF-8 are read as
// Windows-1251 (names copied raw from a Windows disk).
std::string foldCase(const std::string& text);
