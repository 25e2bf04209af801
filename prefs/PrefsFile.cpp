#include "PrefsFile.h"

// The preference file arrives with the file object; until then the
// preferences live in memory only.
void OpenPrefsFile() {}
void LoadPrefs() {}
void SavePrefs() {}
