// Decimal numbers to and from text: the one writer and the one reader that
// every part of the plug-in uses.
#pragma once

#include <cstdint>

// Room WriteDecimal needs: a sign, 19 digits and the terminator, plus the
// zeros of any width.
constexpr int32_t kDecimalTextSize = 24;

// Two digits at a time: kDecimalPairs + 2 * v holds v's two digits, 0..99.
inline constexpr char kDecimalPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The decimal text of value, at least `width` characters with zeros after
// the sign, as "%0*d" writes it, and a terminator; answers its length.
// `out` holds kDecimalTextSize + width bytes.
//   WriteDecimal(out, -5, 4) -> "-005", 4     WriteDecimal(out, 42, 0) -> "42", 2
inline int32_t WriteDecimal(char* out, int64_t value, int64_t width) {
  int32_t length = 0;
  if (value >= 0 && value < 100 && width <= 2) {  // months, days, hours, minutes
    if (value >= 10 || width == 2) {
      out[0] = kDecimalPairs[value * 2];
      out[1] = kDecimalPairs[value * 2 + 1];
      out[2] = 0;
      return 2;
    }
    out[0] = static_cast<char>('0' + value);
    out[1] = 0;
    return 1;
  }
  if (value >= 1000 && value < 10000 && width <= 4) {  // years
    const int64_t high = value / 100, low = value % 100;
    out[0] = kDecimalPairs[high * 2];
    out[1] = kDecimalPairs[high * 2 + 1];
    out[2] = kDecimalPairs[low * 2];
    out[3] = kDecimalPairs[low * 2 + 1];
    out[4] = 0;
    return 4;
  }
  // From the right, into digits[] backwards.
  char digits[kDecimalTextSize];
  int32_t count = 0;
  uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  while (magnitude >= 100) {
    const uint64_t pair = magnitude % 100 * 2;
    magnitude /= 100;
    digits[count++] = kDecimalPairs[pair + 1];
    digits[count++] = kDecimalPairs[pair];
  }
  if (magnitude >= 10) {
    digits[count++] = kDecimalPairs[magnitude * 2 + 1];
    digits[count++] = kDecimalPairs[magnitude * 2];
  } else {
    digits[count++] = static_cast<char>('0' + magnitude);
  }
  if (value < 0) out[length++] = '-';
  for (int64_t pad = width - count - length; pad > 0; --pad) out[length++] = '0';
  while (count > 0) out[length++] = digits[--count];
  out[length] = 0;
  return length;
}

// Reads an optional "+" or "-" and the decimal digits after it, as strtol
// reads them, saturating at the 32-bit limits on every platform; `end`, when
// given, receives the first character not read. No digits read as 0.
//   ReadDecimal("-12x", &end) -> -12, end at "x"     ReadDecimal("99999999999", 0) -> 2147483647
inline int32_t ReadDecimal(const char* text, const char** end) {
  const char* at = text;
  const bool negative = *at == '-';
  if (*at == '+' || *at == '-') ++at;
  int64_t magnitude = 0;
  for (; *at >= '0' && *at <= '9'; ++at) {
    if (magnitude <= 2147483648LL) magnitude = magnitude * 10 + (*at - '0');
  }
  if (end != nullptr) *end = at;
  if (negative) return magnitude >= 2147483648LL ? INT32_MIN : static_cast<int32_t>(-magnitude);
  return magnitude >= 2147483647LL ? INT32_MAX : static_cast<int32_t>(magnitude);
}
