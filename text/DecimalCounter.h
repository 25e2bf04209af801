// A decimal number kept as text and moved by a fixed step, for lists of
// numbers: most steps change a digit or two of the text in place, and the
// text is always WriteDecimal's text of the value.
//
//   DecimalCounter c;
//   StartCounter(&c, at, 98, 1, 0);   at: "98"
//   AdvanceCounter(&c);               at: "99", true: the same length, changed in place
//   AdvanceCounter(&c);               at: "100", false: written anew, one longer
//
// Where the number gains or loses a digit, or its sign changes, the text is
// written anew (terminated) and Advance answers false, so the caller can move
// whatever follows the number. `at` holds kDecimalTextSize + width bytes.
#pragma once

#include <cstdint>

#include "Decimal.h"

struct DecimalCounter {
  char* text;
  int32_t length;
  int32_t signLength;  // 1 for a negative value, its "-"
  int64_t value;
  int64_t step;
  int64_t width;
  int32_t stepLength;               // the digits of |step|
  char stepDigits[kDecimalTextSize];  // their values, the ones first
};

inline void StartCounter(DecimalCounter* c, char* at, int64_t value, int64_t step, int64_t width) {
  c->text = at;
  c->value = value;
  c->step = step;
  c->width = width;
  c->length = WriteDecimal(at, value, width);
  c->signLength = value < 0 ? 1 : 0;
  uint64_t magnitude = step < 0 ? 0u - static_cast<uint64_t>(step) : static_cast<uint64_t>(step);
  c->stepLength = 0;
  do {
    c->stepDigits[c->stepLength++] = static_cast<char>(magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
}

// The value moves by the step. True when its text changed in place and kept
// its length; false when it was written anew.
inline bool AdvanceCounter(DecimalCounter* c) {
  const int64_t next = c->value + c->step;
  const int64_t previous = c->value;
  c->value = next;
  // Most steps of a positive number change its last digit alone. A step
  // down to 0 leaves 0's text too: its padding zeros are in place.
  if (previous > 0 && c->stepLength == 1) {
    char* ones = c->text + c->length - 1;
    const int32_t digit = *ones - '0' + static_cast<int32_t>(c->step);
    if (static_cast<uint32_t>(digit) <= 9) {
      *ones = static_cast<char>('0' + digit);
      return true;
    }
  }
  char* digits = c->text + c->signLength;
  const int32_t count = c->length - c->signLength;
  const bool sameSign = (previous > 0 && next > 0) || (previous < 0 && next < 0);
  if (sameSign && c->stepLength <= count) {
    int32_t carry = 0;
    int32_t k = 0;
    if ((previous > 0) == (c->step > 0)) {  // the magnitude grows
      for (; k < count && (k < c->stepLength || carry != 0); ++k) {
        char* d = digits + count - 1 - k;
        int32_t sum = (*d - '0') + (k < c->stepLength ? c->stepDigits[k] : 0) + carry;
        carry = sum >= 10 ? 1 : 0;
        *d = static_cast<char>('0' + sum - 10 * carry);
      }
      if (carry == 0) return true;  // else a digit more: written anew below
    } else {  // the magnitude shrinks, and stays above 0
      for (; k < count && (k < c->stepLength || carry != 0); ++k) {
        char* d = digits + count - 1 - k;
        int32_t difference = (*d - '0') - (k < c->stepLength ? c->stepDigits[k] : 0) - carry;
        carry = difference < 0 ? 1 : 0;
        *d = static_cast<char>('0' + difference + 10 * carry);
      }
      // A leading zero the width does not ask for: a digit fewer.
      if (digits[0] != '0' || count <= c->width - c->signLength) return true;
    }
  }
  c->length = WriteDecimal(c->text, next, c->width);
  c->signLength = next < 0 ? 1 : 0;
  return false;
}

// How many steps from here on change the last digit alone, so that a caller
// may take them by adding the step to that digit: *last += step, and the
// value moves by run steps. A step down to 0 is one of them: 0's text is the
// digits left, its padding zeros in place.
inline int64_t CounterOnesRun(const DecimalCounter* c) {
  if (c->value <= 0 || c->stepLength != 1 || c->step == 0) return 0;
  const int32_t digit = c->text[c->length - 1] - '0';
  if (c->step == 1) return 9 - digit;
  return c->step > 0 ? (9 - digit) / c->step : digit / -c->step;
}
