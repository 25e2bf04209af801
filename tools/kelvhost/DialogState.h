// Reading the opened preferences dialog, the same way on both builds: through
// three questions about a control.
#pragma once

#include <functional>
#include <string>

#include "HostPlatform.h"

struct DialogQuestions {
  std::function<bool(int id)> isChecked;
  std::function<bool(int id)> isEnabled;
  std::function<std::string(int id)> text;
};

DialogSeen ReadDialog(const std::string& title, const DialogQuestions& ask);

// Only the dialog's own title and an edit field's text are read; this many
// bytes at most.
constexpr int kDialogTextLimit = 4096;
