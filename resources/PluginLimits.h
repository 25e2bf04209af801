// The plug-in's limits: every bound on what a function reads of its
// parameter, keeps of a field or writes as a result, in one place. The code
// takes each from here, and so does the manual's table of limits, made by
// `make docs` with a checked example either side of each limit.
// Macros only, as the function registry beside it.
#pragma once

// The host takes no result this long: a result of this many bytes or more
// is refused whole with "??", and the overflow message is shown.
#define KELV_RESULT_SIZE_LIMIT 65535
// At most one overflow message in this many milliseconds, so that a
// formula evaluated for every record does not bury the user in boxes.
#define KELV_OVERFLOW_NOTICE_INTERVAL_MS 3000

// What each function reads of its parameter: the bytes after these are
// never seen. The differences and the date lists read a range in one
// fixed work buffer, as Kelv-ListNumbers its keywords.
#define KELV_RANGE_PARAMETER_LIMIT 255
#define KELV_NUMBER_LIST_PARAMETER_LIMIT 255
// A date or a time to rewrite fits in far fewer.
#define KELV_FORMAT_PARAMETER_LIMIT 64
#define KELV_PREFS_PARAMETER_LIMIT 128
// The overflow message's field of the preference file holds this many
// characters and its terminator.
#define KELV_OVERFLOW_MESSAGE_LIMIT 255
// The preferences dialog's message box keeps one character fewer: it reads
// into a buffer of the field's 255 bytes, its terminator among them, as the
// original's dialog did.
#define KELV_DIALOG_MESSAGE_LIMIT (KELV_OVERFLOW_MESSAGE_LIMIT - 1)

// What a field keeps: the prefix and suffix of a range, those of
// Kelv-ListNumbers and Kelv-MakeList, and a line of Kelv-MakeList's list.
#define KELV_RANGE_AFFIX_LIMIT 64
#define KELV_LIST_AFFIX_LIMIT 255

// Dates: the host's day numbers read, up to 30 December 3000; typed years
// of four digits from the first to the last below, years of one or two
// digits from the pivot on in the 1900s, below it in the 2000s.
#define KELV_LAST_DAY_NUMBER 1095726
#define KELV_FIRST_FOUR_DIGIT_YEAR 1000
#define KELV_LAST_FOUR_DIGIT_YEAR 9999
#define KELV_TWO_DIGIT_YEAR_PIVOT 90

// A limit as the text of its digits, for the manual's texts of the registry.
#define KELV_LIMIT_TEXT(limit) KELV_LIMIT_DIGITS(limit)
#define KELV_LIMIT_DIGITS(limit) #limit
