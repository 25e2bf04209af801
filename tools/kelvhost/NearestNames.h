// The names a mistyped function name most likely meant, for kelvhost's
// "unknown function" message.
#pragma once

#include <string>
#include <vector>

// A typed name and a known one are compared with case and blanks ignored
// ("kelv-datelist(years)" is "Kelv-DateList (Years)"). The known names that
// begin with the typed text come back ("Kelv-DateList" gives all ten date
// lists), unless more than kNearestNamesShown do: a list that long says no
// more than the list of every function. Otherwise the names at the smallest
// edit distance, when it is at most kNearestNameDistance ("Kelv-DifDays" gives
// "Kelv-DiffDays"). In the order given; empty when nothing is near.
constexpr size_t kNearestNameDistance = 3;
constexpr size_t kNearestNamesShown = 10;  // the ten date lists, the largest family
std::vector<std::string> NearestNames(const std::vector<std::string>& known, const std::string& typed);

// "unknown function "X"" and, on the lines after, what it may have meant or
// where the names are listed; no newline at the end.
std::string UnknownFunctionMessage(const std::vector<std::string>& known, const std::string& typed);
