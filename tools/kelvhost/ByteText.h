// Parameters and results are 8-bit texts; in JSON each byte is the code point
// of the same number (U+0000..U+00FF).
#pragma once

#include <string>

// The bytes of a JSON string (UTF-8); false when a code point is above U+00FF.
bool BytesFromJsonText(const std::string& utf8, std::string* bytes);
// The JSON string (UTF-8) whose code points are the bytes.
std::string JsonTextFromBytes(const std::string& bytes);
