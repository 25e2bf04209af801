// Dialog 15150, "Mevrin Date & Time Preferences": one table for the Windows
// resource and the native build's stand-in dialog.
#pragma once

#define KELV_PREFS_DIALOG_ID 15150
#define KELV_PREFS_DIALOG_TITLE "Mevrin Date & Time Preferences"
#define KELV_PREFS_DIALOG_FONT_SIZE 8
#define KELV_PREFS_DIALOG_FONT "MS Sans Serif"
#define KELV_PREFS_DIALOG_SIZE 270, 200

// Kinds of control.
#define KELV_GROUP 1     // group box
#define KELV_RADIO 2     // radio button the dialog procedure sets
#define KELV_CHECK 3     // check box the dialog procedure sets
#define KELV_LABEL 4     // static text
#define KELV_EDIT 5      // one-line edit field
#define KELV_DIGITS 6    // one-line edit field, digits only
#define KELV_MESSAGE 7   // edit field of several lines, scrolling, Enter starts a line
#define KELV_BUTTON 8    // push button
#define KELV_DEFAULT 9   // default push button
#define KELV_NO_ID -1

// X(kind, id, text, x, y, width, height) in dialog units.
#define KELV_PREFS_DIALOG_CONTROLS(X) \
  X(KELV_GROUP, KELV_NO_ID, "Time Format", 5, 5, 260, 50) \
  X(KELV_RADIO, 6, "12 Hour (AM/PM)", 10, 15, 70, 10) \
  X(KELV_RADIO, 7, "24 Hour", 10, 27, 70, 10) \
  X(KELV_RADIO, 8, "FileMaker Time", 10, 39, 70, 10) \
  X(KELV_LABEL, KELV_NO_ID, "Minute Increment:", 100, 20, 60, 10) \
  X(KELV_DIGITS, 10, "", 160, 18, 15, 12) \
  X(KELV_LABEL, KELV_NO_ID, "Hour Increment:", 100, 35, 60, 10) \
  X(KELV_DIGITS, 11, "", 160, 33, 15, 12) \
  X(KELV_LABEL, KELV_NO_ID, "Separator:", 200, 20, 40, 10) \
  X(KELV_EDIT, 9, "", 240, 18, 15, 12) \
  X(KELV_CHECK, 5, "Zero Pad", 200, 35, 60, 10) \
  X(KELV_GROUP, KELV_NO_ID, "Date Format", 5, 60, 260, 60) \
  X(KELV_RADIO, 13, "MM/DD/YYYY", 10, 70, 70, 10) \
  X(KELV_RADIO, 14, "MM/DD/YY", 10, 82, 70, 10) \
  X(KELV_RADIO, 15, "DD/MM/YYYY", 10, 94, 70, 10) \
  X(KELV_RADIO, 16, "DD/MM/YY", 10, 106, 70, 10) \
  X(KELV_RADIO, 17, "YYYY/MM/DD", 80, 70, 70, 10) \
  X(KELV_RADIO, 18, "YY/MM/DD", 80, 82, 70, 10) \
  X(KELV_RADIO, 19, "FileMaker Date", 80, 94, 70, 10) \
  X(KELV_LABEL, KELV_NO_ID, "Separator:", 200, 75, 40, 10) \
  X(KELV_EDIT, 20, "", 240, 73, 15, 12) \
  X(KELV_CHECK, 12, "Zero Pad", 200, 90, 60, 10) \
  X(KELV_GROUP, KELV_NO_ID, "", 5, 125, 260, 50) \
  X(KELV_CHECK, 21, "Overflow Message", 10, 125, 80, 10) \
  X(KELV_MESSAGE, 22, "", 10, 135, 250, 32) \
  X(KELV_BUTTON, 2, "Cancel", 160, 180, 50, 14) \
  X(KELV_DEFAULT, 1, "Ok", 215, 180, 50, 14)
