// The web build's unit tests run in one WebAssembly process, where GoogleTest
// has no death tests: a test that expects the process to end is reported as
// skipped, with the reason, instead of failing to compile. The native and
// Windows builds run those tests.
#pragma once

#include <gtest/gtest.h>

#ifndef EXPECT_EXIT
// The statement is compiled (never run), so its variables count as used.
#define EXPECT_EXIT(statement, predicate, regex)                                             \
  if (false) {                                                                               \
    statement;                                                                               \
  }                                                                                          \
  GTEST_SKIP() << "no death tests in WebAssembly: the process cannot end apart from the test"
#endif
