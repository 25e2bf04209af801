// Every byte through the tokenizer: NUL, CR and LF end the text, the double
// quote groups, the backslash escapes, the separators cut; every other byte
// is plain text, with the parameters' "|" set and with any other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/VXString.h"

namespace {

std::vector<std::string> Tokens(std::string text, const char* seps) {
  char* argv[8];
  const int32_t n = VXStrTokenize(&text[0], argv, seps, 8);
  std::vector<std::string> out;
  for (int32_t i = 0; i < n; ++i) out.emplace_back(argv[i]);
  return out;
}

bool Special(unsigned char b) { return b == 0 || b == '\r' || b == '\n' || b == '"' || b == '\\'; }

TEST(TokenizerBytes, EveryByteHasItsRole) {
  for (const char* seps : {"|", ","}) {
    for (int value = 1; value < 256; ++value) {
      const unsigned char b = static_cast<unsigned char>(value);
      const std::string text = std::string("x") + static_cast<char>(b) + "y";
      const std::vector<std::string> tokens = Tokens(text, seps);
      if (b == static_cast<unsigned char>(seps[0])) {
        EXPECT_EQ(tokens, (std::vector<std::string>{"x", "y"})) << "byte " << value << ", separators " << seps;
      } else if (b == '\r' || b == '\n') {
        EXPECT_EQ(tokens, (std::vector<std::string>{"x"})) << "byte " << value << " ends the text";
      } else if (!Special(b)) {
        EXPECT_EQ(tokens, (std::vector<std::string>{text})) << "byte " << value << ", separators " << seps;
      }
    }
  }
}

// A byte taken as a separator of its own cuts the text there, whatever its value.
TEST(TokenizerBytes, AnyPlainByteCanSeparate) {
  for (int value = 1; value < 256; ++value) {
    const unsigned char b = static_cast<unsigned char>(value);
    if (Special(b)) continue;
    const char seps[2] = {static_cast<char>(b), 0};
    const std::string before(1, b == 'x' ? 'p' : 'x'), after(1, b == 'y' ? 'q' : 'y');
    EXPECT_EQ(Tokens(before + static_cast<char>(b) + after, seps), (std::vector<std::string>{before, after}))
        << "byte " << value;
  }
}

}  // namespace
