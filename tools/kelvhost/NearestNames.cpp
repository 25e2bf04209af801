#include "NearestNames.h"

#include <algorithm>

namespace {

// Lower case, blanks dropped: the two ways a name is typed differently
// without being another name.
std::string Folded(const std::string& text) {
  std::string folded;
  for (char ch : text) {
    if (ch == ' ' || ch == '\t') continue;
    folded += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
  }
  return folded;
}

// Levenshtein distance, one row at a time; a length difference beyond
// `limit` is answered as limit + 1 at once, so a long typed text costs nothing.
size_t EditDistance(const std::string& a, const std::string& b, size_t limit) {
  const size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
  if (gap > limit) return limit + 1;
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(const std::vector<std::string>& known, const std::string& typed) {
  const std::string wanted = Folded(typed);
  std::vector<std::string> nearest;
  if (wanted.empty()) return nearest;
  for (const std::string& name : known) {
    if (Folded(name).compare(0, wanted.size(), wanted) == 0) nearest.push_back(name);
  }
  if (nearest.size() > kNearestNamesShown) nearest.clear();
  if (!nearest.empty()) return nearest;
  size_t best = kNearestNameDistance;
  for (const std::string& name : known) {
    const size_t distance = EditDistance(wanted, Folded(name), kNearestNameDistance);
    if (distance > best) continue;
    if (distance < best) nearest.clear();
    best = distance;
    nearest.push_back(name);
  }
  return nearest;
}

std::string UnknownFunctionMessage(const std::vector<std::string>& known, const std::string& typed) {
  std::string message = "unknown function \"" + typed + "\"\n";
  const std::vector<std::string> nearest = NearestNames(known, typed);
  if (nearest.empty()) return message + "(kelvhost help lists the functions)";
  if (nearest.size() == 1) return message + "did you mean \"" + nearest[0] + "\"?";
  message += "did you mean one of these?";
  for (const std::string& name : nearest) message += "\n  " + name;
  return message;
}
