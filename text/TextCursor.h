// A write position in a caller's buffer, with the few pieces the formatters
// and list builders put together: characters, texts and decimal numbers
// padded as "%0*d" pads them. Every put stops at the buffer's bound.
#pragma once

#include <cstdint>

struct TextCursor {
  char* start;
  int64_t length;     // characters written
  int64_t capacity;   // characters that fit, the terminator not counted
};

inline TextCursor MakeTextCursor(char* buffer, int64_t capacity) {
  buffer[0] = 0;
  return TextCursor{buffer, 0, capacity};
}

inline void PutChar(TextCursor* c, char ch) {
  if (c->length < c->capacity) c->start[c->length++] = ch;
}

// A NULL text writes nothing, like an empty one.
inline void PutText(TextCursor* c, const char* text) {
  if (text == nullptr) return;
  while (*text != 0) PutChar(c, *text++);
}

// The decimal text of value, at least `width` characters with zeros after
// the sign, as "%0*d" writes it: PutNumber(c, -5, 4) -> "-005".
inline void PutNumber(TextCursor* c, int64_t value, int64_t width) {
  if (value >= 0 && value < 100 && width <= 2) {  // months, days, hours, minutes
    if (value >= 10 || width == 2) PutChar(c, static_cast<char>('0' + value / 10));
    PutChar(c, static_cast<char>('0' + value % 10));
    return;
  }
  if (value >= 0 && value < 10000 && width <= 4) {  // years
    const int64_t digitsOf = value >= 1000 ? 4 : value >= 100 ? 3 : value >= 10 ? 2 : 1;
    for (int64_t pad = width - digitsOf; pad > 0; --pad) PutChar(c, '0');
    if (digitsOf >= 4) PutChar(c, static_cast<char>('0' + value / 1000));
    if (digitsOf >= 3) PutChar(c, static_cast<char>('0' + value / 100 % 10));
    if (digitsOf >= 2) PutChar(c, static_cast<char>('0' + value / 10 % 10));
    PutChar(c, static_cast<char>('0' + value % 10));
    return;
  }
  char digits[24];
  int32_t n = 0;
  uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  int64_t used = n + (value < 0 ? 1 : 0);
  if (value < 0) PutChar(c, '-');
  for (int64_t pad = width - used; pad > 0; --pad) PutChar(c, '0');
  while (n > 0) PutChar(c, digits[--n]);
}

// Terminates the text and answers its length.
inline int32_t EndText(TextCursor* c) {
  c->start[c->length] = 0;
  return static_cast<int32_t>(c->length);
}
