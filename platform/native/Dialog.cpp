// Dialogs of the native build: the controls of the plug-in's template in
// memory, with the USER32 calls the dialog procedure makes on them.
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "PlatformApi.h"
#include "PrefsDialogTemplate.h"
#include "StandInDesktop.h"

struct StandInWindow {
  int id;
  int kind;
  std::string text;
  bool checked;
  bool enabled;
  // The dialog itself holds the controls, the procedure and the end.
  std::vector<std::unique_ptr<StandInWindow>> controls;
  DLGPROC procedure;
  bool ended;
  INT_PTR result;
};

namespace {

StandInWindow* Control(HWND dialog, int id) {
  if (dialog == nullptr) return nullptr;
  for (auto& control : dialog->controls) {
    if (control->id == id) return control.get();
  }
  return nullptr;
}

bool IsButtonKind(int kind) { return kind == KELV_RADIO || kind == KELV_CHECK; }

const char* ApiTitle(HWND dialog) { return dialog->text.c_str(); }
int ApiHasControl(HWND dialog, int id) { return Control(dialog, id) != nullptr; }
int ApiIsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
int ApiIsEnabled(HWND dialog, int id) {
  StandInWindow* control = Control(dialog, id);
  return control != nullptr && control->enabled;
}
int ApiGetText(HWND dialog, int id, char* buffer, int size) {
  return static_cast<int>(GetDlgItemTextA(dialog, id, buffer, size));
}
int ApiIsOpen(HWND dialog) { return !dialog->ended; }

// A press on an enabled button reaches the procedure as the command it sends.
void ApiClick(HWND dialog, int id) {
  StandInWindow* control = Control(dialog, id);
  if (dialog->ended || control == nullptr || !control->enabled) return;
  dialog->procedure(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void ApiType(HWND dialog, int id, const char* text) {
  StandInWindow* control = Control(dialog, id);
  if (dialog->ended || control == nullptr || !control->enabled) return;
  control->text = text != nullptr ? text : "";
}

const StandInDialogApi kDialogApi = {ApiTitle, ApiHasControl,
                                     ApiIsChecked, ApiIsEnabled, ApiGetText, ApiIsOpen,
                                     ApiClick, ApiType};

}  // namespace

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR dialogTemplate, HWND, DLGPROC procedure, LPARAM parameter) {
  if (reinterpret_cast<uintptr_t>(dialogTemplate) != KELV_PREFS_DIALOG_ID || procedure == nullptr)
    return -1;  // no such template: the dialog cannot be created
  StandInWindow dialog{0, 0, KELV_PREFS_DIALOG_TITLE, false, true, {}, procedure, false, 0};
#define KELV_STANDIN_CONTROL(kind, id, text, x, y, w, h)                                        \
  dialog.controls.push_back(std::unique_ptr<StandInWindow>(                                     \
      new StandInWindow{id, kind, IsButtonKind(kind) || kind == KELV_LABEL || kind == KELV_GROUP \
                                      ? text : "", false, true, {}, nullptr, false, 0}));
  KELV_PREFS_DIALOG_CONTROLS(KELV_STANDIN_CONTROL)
#undef KELV_STANDIN_CONTROL

  procedure(&dialog, WM_INITDIALOG, 0, parameter);
  void* symbol = dlsym(RTLD_DEFAULT, KELV_STANDIN_DIALOG_HOOK);
  if (symbol != nullptr && !dialog.ended) reinterpret_cast<StandInDialogHook>(symbol)(&dialog, &kDialogApi);
  if (!dialog.ended) ApiClick(&dialog, IDCANCEL);  // nobody to answer: cancel
  return dialog.result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  if (dialog == nullptr) return FALSE;
  dialog->ended = true;
  dialog->result = result;
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) { return Control(dialog, id); }

BOOL EnableWindow(HWND window, BOOL enable) {
  if (window == nullptr) return FALSE;
  const bool wasDisabled = !window->enabled;
  window->enabled = enable != FALSE;
  return wasDisabled;
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
  if (dialog == nullptr) return FALSE;
  for (int id = first; id <= last; ++id) {
    StandInWindow* control = Control(dialog, id);
    if (control != nullptr) control->checked = id == check;
  }
  return TRUE;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  StandInWindow* control = Control(dialog, id);
  if (control == nullptr) return FALSE;
  control->checked = check == BST_CHECKED;
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  StandInWindow* control = Control(dialog, id);
  return control != nullptr && IsButtonKind(control->kind) && control->checked ? BST_CHECKED : BST_UNCHECKED;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  StandInWindow* control = Control(dialog, id);
  if (control == nullptr) return FALSE;
  control->text = text != nullptr ? text : "";
  return TRUE;
}

// As Windows does: at most size - 1 characters and a terminator.
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
  StandInWindow* control = Control(dialog, id);
  if (text == nullptr || size <= 0) return 0;
  text[0] = 0;
  if (control == nullptr) return 0;
  size_t n = control->text.size() < static_cast<size_t>(size - 1) ? control->text.size()
                                                                   : static_cast<size_t>(size - 1);
  std::memcpy(text, control->text.data(), n);
  text[n] = 0;
  return static_cast<UINT>(n);
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  char text[16];
  if (isSigned) std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  else std::snprintf(text, sizeof text, "%u", value);
  return SetDlgItemTextA(dialog, id, text);
}

// Leading blanks, then decimal digits up to the first other character; no
// digit at all, or a value past 32 bits, does not translate.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated != nullptr) *translated = FALSE;
  StandInWindow* control = Control(dialog, id);
  if (control == nullptr) return 0;
  const char* p = control->text.c_str();
  while (*p == ' ') ++p;
  bool negative = false;
  if (isSigned && (*p == '-' || *p == '+')) negative = *p++ == '-';
  uint64_t value = 0;
  const char* digits = p;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + static_cast<uint64_t>(*p - '0');
    if (value > 0xFFFFFFFFull) return 0;
  }
  if (p == digits) return 0;
  if (translated != nullptr) *translated = TRUE;
  return negative ? 0u - static_cast<UINT>(value) : static_cast<UINT>(value);
}
