#include "ByteText.h"

bool BytesFromJsonText(const std::string& utf8, std::string* bytes) {
  bytes->clear();
  for (size_t i = 0; i < utf8.size(); ++i) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      bytes->push_back(static_cast<char>(lead));
    } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      // Two-byte sequences cover U+0080..U+07FF; only up to U+00FF are bytes.
      unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      if (code > 0xFF) return false;
      bytes->push_back(static_cast<char>(code));
      ++i;
    } else {
      return false;  // three- and four-byte sequences are all above U+00FF
    }
  }
  return true;
}

std::string JsonTextFromBytes(const std::string& bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 4);
  for (unsigned char b : bytes) {
    if (b < 0x80) {
      utf8.push_back(static_cast<char>(b));
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (b >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return utf8;
}
