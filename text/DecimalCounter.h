// A decimal number kept as text and moved by a fixed step, for lists of
// numbers: most steps change a digit or two of the text in place, and the
// text is always WriteDecimal's text of the value.
//
//   DecimalCounter counter;
//   StartCounter(&counter, at, 98, 1, 0);   at: "98"
//   AdvanceCounter(&counter);               at: "99", true: the same length, changed in place
//   AdvanceCounter(&counter);               at: "100", false: written anew, one longer
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

inline void StartCounter(DecimalCounter* counter, char* at, int64_t value, int64_t step, int64_t width) {
  counter->text = at;
  counter->value = value;
  counter->step = step;
  counter->width = width;
  counter->length = WriteDecimal(at, value, width);
  counter->signLength = value < 0 ? 1 : 0;
  uint64_t magnitude = step < 0 ? 0u - static_cast<uint64_t>(step) : static_cast<uint64_t>(step);
  counter->stepLength = 0;
  do {
    counter->stepDigits[counter->stepLength++] = static_cast<char>(magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
}

// Adds the step's digits to the `count` digits of the magnitude, ones
// first; false when a carry is left over (the number needs a digit more).
inline bool AddStepDigits(const DecimalCounter* counter, char* digits, int32_t count) {
  int32_t carry = 0;
  for (int32_t k = 0; k < count && (k < counter->stepLength || carry != 0); ++k) {
    char* digit = digits + count - 1 - k;
    const int32_t sum = (*digit - '0') + (k < counter->stepLength ? counter->stepDigits[k] : 0) + carry;
    carry = sum >= 10 ? 1 : 0;
    *digit = static_cast<char>('0' + sum - 10 * carry);
  }
  return carry == 0;
}

// Takes the step's digits from the `count` digits of a magnitude that stays
// above 0; false when a leading zero is left that the width does not ask
// for (the number needs a digit fewer).
inline bool SubtractStepDigits(const DecimalCounter* counter, char* digits, int32_t count) {
  int32_t borrow = 0;
  for (int32_t k = 0; k < count && (k < counter->stepLength || borrow != 0); ++k) {
    char* digit = digits + count - 1 - k;
    const int32_t difference = (*digit - '0') - (k < counter->stepLength ? counter->stepDigits[k] : 0) - borrow;
    borrow = difference < 0 ? 1 : 0;
    *digit = static_cast<char>('0' + difference + 10 * borrow);
  }
  return digits[0] != '0' || count <= counter->width - counter->signLength;
}

// Most steps of a positive number change its last digit alone. A step down
// to 0 leaves 0's text too: its padding zeros are in place.
inline bool StepOnesDigit(DecimalCounter* counter, int64_t previous) {
  if (previous <= 0 || counter->stepLength != 1) return false;
  char* ones = counter->text + counter->length - 1;
  const int32_t digit = *ones - '0' + static_cast<int32_t>(counter->step);
  if (static_cast<uint32_t>(digit) > 9) return false;
  *ones = static_cast<char>('0' + digit);
  return true;
}

// The value moves by the step. True when its text changed in place and kept
// its length; false when it was written anew.
inline bool AdvanceCounter(DecimalCounter* counter) {
  const int64_t previous = counter->value;
  const int64_t next = previous + counter->step;
  counter->value = next;
  if (StepOnesDigit(counter, previous)) return true;
  char* digits = counter->text + counter->signLength;
  const int32_t count = counter->length - counter->signLength;
  const bool sameSign = (previous > 0 && next > 0) || (previous < 0 && next < 0);
  if (sameSign && counter->stepLength <= count) {
    const bool grows = (previous > 0) == (counter->step > 0);
    if (grows ? AddStepDigits(counter, digits, count) : SubtractStepDigits(counter, digits, count)) return true;
  }
  counter->length = WriteDecimal(counter->text, next, counter->width);
  counter->signLength = next < 0 ? 1 : 0;
  return false;
}

// How many steps from here on change the last digit alone, so that a caller
// may take them by adding the step to that digit: *last += step, and the
// value moves by run steps. A step down to 0 is one of them: 0's text is the
// digits left, its padding zeros in place.
inline int64_t CounterOnesRun(const DecimalCounter* counter) {
  if (counter->value <= 0 || counter->stepLength != 1 || counter->step == 0) return 0;
  const int32_t digit = counter->text[counter->length - 1] - '0';
  if (counter->step == 1) return 9 - digit;
  return counter->step > 0 ? (9 - digit) / counter->step : digit / -counter->step;
}
