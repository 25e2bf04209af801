// A write position in a caller's buffer, with the few pieces the formatters
// and list builders put together: characters, texts and decimal numbers
// padded as "%0*d" pads them. Every put stops at the buffer's bound.
#pragma once

#include <cstdint>

#include "Decimal.h"

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

// The decimal text of value, at least `width` characters with zeros after
// the sign, as "%0*d" writes it: PutNumber(c, -5, 4) -> "-005".
inline void PutNumber(TextCursor* c, int64_t value, int64_t width) {
  const int64_t room = c->capacity - c->length;
  if (width < 0) width = 0;
  if (room >= kDecimalTextSize + width) {  // straight into the text, the terminator overwritten later
    c->length += WriteDecimal(c->start + c->length, value, width);
    return;
  }
  // Near the bound: the sign, the zeros and the digits one by one, as far as they go.
  char text[kDecimalTextSize];
  const int32_t n = WriteDecimal(text, value, 0);
  const int32_t sign = text[0] == '-' ? 1 : 0;
  if (sign != 0) PutChar(c, '-');
  for (int64_t pad = width - n; pad > 0 && c->length < c->capacity; --pad) PutChar(c, '0');
  for (int32_t i = sign; i < n; ++i) PutChar(c, text[i]);
}

// Terminates the text and answers its length.
inline int32_t EndText(TextCursor* c) {
  c->start[c->length] = 0;
  return static_cast<int32_t>(c->length);
}
