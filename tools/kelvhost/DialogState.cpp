#include "DialogState.h"

namespace {
const int kButtons[] = {5, 6, 7, 8, 12, 13, 14, 15, 16, 17, 18, 19, 21};
const int kFields[] = {9, 10, 11, 20, 22};
}  // namespace

DialogSeen ReadDialog(const std::string& title, const DialogQuestions& ask) {
  DialogSeen seen;
  seen.opened = true;
  seen.title = title;
  for (int id : kButtons) {
    if (ask.isChecked(id)) seen.checked.push_back(id);
  }
  for (int id = 5; id <= 22; ++id) {
    if (!ask.isEnabled(id)) seen.disabled.push_back(id);
  }
  for (int id : kFields) seen.texts[id] = ask.text(id);
  return seen;
}
