#!/usr/bin/env bash
# kelvhost's command line on one build: info, call with its exit codes and
# --raw, bad input, and the time stamp functions against this machine's clock.
#
#   check-command-line.sh BIN_DIR HOST_FILE PLUGIN_FILE [EMULATOR...]
set -uo pipefail
bin_dir=$1 host_file=$2 plugin_file=$3
shift 3
emulator=("$@")
# The number of functions: the rows of the function table.
function_count=$(grep -c -E '^  X\([0-9]+, ' "$(dirname "$0")/../../resources/FunctionRegistry.h")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin_dir/$host_file" "$bin_dir/$plugin_file" "$work/"
cd "$work"
host() { "${emulator[@]}" "./$host_file" "$@"; }

failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

info=$(host info)
check "info names the plug-in" "Mevrin Date & Time 3.02" "$(head -n 1 <<<"$info")"
check "info lists every function" "$function_count" "$(grep -c -E '^ +[0-9]+  Kelv-' <<<"$info")"
check "info gives the numeric version" 1 "$(grep -c 'file version: 3.02 (3.0.2.0)' <<<"$info")"
check "info gives each function's syntax" '   3  Kelv-DiffDays("[prefix|]start|end[|suffix]")' "$(grep '^   3  ' <<<"$info")"
help=$(host help kelv-diffdays); status=$?
check "help shows the function's section" "### Kelv-DiffDays 0" "$(head -n 1 <<<"$help") $status"
check "help shows its examples" 1 "$(grep -c '^      => 2$' <<<"$help")"
check "help of everything lists every function's syntax line" "$function_count" "$(host help | grep -c '^  Kelv-')"
# help of a subcommand explains it; the function pages need no plug-in, nor
# does this.
for sub in info call run help; do
  out=$(host help $sub); status=$?
  check "help $sub explains the subcommand" "kelvhost $sub 0" "$(sed -n 's/^Usage: \(kelvhost [a-z]*\) .*/\1/p' <<<"$out") $status"
done
check "help run shows the requests" 1 "$(host help run | grep -c '^  {"event": "wait", "ms": 3100}')"
qq_status=$(host call Kelv-DiffDays nonsense >/dev/null; echo $?)
check "help call gives call's exit status for ??" "$qq_status the result is ??" "$(host help call | grep -o '[0-9] the result is ??')"

# An unknown name is usage error 2, with the names it may have meant: those
# it begins, else the nearest by edit distance with case and blanks ignored.
# call reads the names from the plug-in, help from the manual, which also
# knows the subcommands.
while IFS='~' read -r how typed said; do
  [[ -z "$how" || "$how" == '#'* ]] && continue
  err=$(host $how "$typed" 2>&1 >/dev/null); status=$?
  check "$how \"$typed\" is unknown and suggests" "kelvhost: unknown function \"$typed\"|$said 2" \
        "$(tr '\n' '|' <<<"$err" | sed 's/|$//') $status"
done <<'NEAREST'
call~Kelv-DifDays~did you mean "Kelv-DiffDays"?
call~kelv-datelist(years)~did you mean "Kelv-DateList (Years)"?
call~Kelv-MinutIncrementPref~did you mean "Kelv-MinuteIncrementPrefs"?
call~Kelv-FormatTme~did you mean "Kelv-FormatTime"?
call~KelvVersion~did you mean "Kelv-Version#"?
call~Kelv-TimeStamp~did you mean one of these?|  Kelv-TimeStamp (full)|  Kelv-TimeStamp (time)|  Kelv-TimeStamp (date)
call~Kelv-DiffHour~did you mean one of these?|  Kelv-DiffHoursString|  Kelv-DiffHours
# Eleven names begin Kelv-Date, more than are shown, and none is near.
call~Kelv-Date~(kelvhost help lists the functions)
call~Kelv-NoSuch~(kelvhost help lists the functions)
help~Kelv-DifDays~did you mean "Kelv-DiffDays"?
help~rn~did you mean "run"?
help~Kelv-NoSuch~(kelvhost help lists the functions)
NEAREST
json=$(host info --json)
check "info --json has the product name" 1 "$(grep -c '"ProductName": "Mevrin Date & Time"' <<<"$json")"

out=$(host call Kelv-DiffDays '1/1/2001|1/3/2001'); status=$?
check "call prints the result" "2 0" "$out $status"
out=$(host call kelv-diffdays 'nonsense'); status=$?
check "call of \"??\" exits 1" "?? 1" "$out $status"
out=$(host call Kelv-MinuteIncrementPrefs 1); status=$?
check "call with no result exits 3" " 3" "$out $status"
out=$(host call 30); status=$?
check "call by id" "3.02 0" "$out $status"
out=$(host --raw call "Kelv-DateList (Years)" '1/1/2001|1/1/2002' | od -An -c | tr -s ' '); status=$?
check "--raw prints the exact bytes" " 2 0 0 1 \r 2 0 0 2 0" "$out $status"
out=$(host call "Kelv-DateList (Years)" '1/1/2001|1/1/2002' | od -An -c | tr -s ' ')
check "call turns CR into a newline" " 2 0 0 1 \n 2 0 0 2 \n" "$out"
err=$(host --plugin missing.dll info 2>&1 >/dev/null); status=$?
check "a missing plug-in is error 2" "1 2" "$(grep -c '^kelvhost: cannot load plug-in' <<<"$err") $status"
printf '{"call": "Kelv-Version#"}\nbroken\n' > requests.jsonl
out=$(host run requests.jsonl); status=$?
check "run goes on after a bad line and exits 2" "2 2" "$(wc -l <<<"$out" | tr -d ' ') $status"
err=$(host run . 2>&1 >/dev/null); status=$?
check "run of a folder is usage error 2" "kelvhost: cannot read . 2" "$err $status"

# Lines that are not UTF-8 are answered with an error and the session goes on
# to its Shutdown, which saves the preference changed before them.
rm -f DateTimePrefs.dtp
out=$(printf '{"call":"Kelv-DatePrefs","param":"DDMMYYYY|.|1"}\n\xff\n{"call":"x\xc0\xa9"}\n{"call":"Kelv-Version#"}\n' |
      host run 2>/dev/null); status=$?
check "bad bytes: every line answered" 4 "$(wc -l <<<"$out" | tr -d ' ')"
check "bad bytes: a bare byte is an error" 1 "$(sed -n 2p <<<"$out" | grep -c '^{"line":2,"error":"not JSON: .*<FF>')"
check "bad bytes: an overlong form is an error" 1 "$(sed -n 3p <<<"$out" | grep -c '^{"line":3,"error":"not JSON: .*<C0>')"
check "bad bytes: later lines still run" '{"line":4,"outcome":"result","result":"3.02"}' "$(sed -n 4p <<<"$out")"
check "bad bytes: exit 2" 2 "$status"
check "bad bytes: Shutdown saved the date order" "0f 2e" "$(od -An -t x1 -j 4 -N 1 DateTimePrefs.dtp | tr -d ' ') $(od -An -t x1 -j 9 -N 1 DateTimePrefs.dtp | tr -d ' ')"
rm -f DateTimePrefs.dtp  # the checks below read the default preferences

# A host program whose path passes 260 characters: its folder cannot be had,
# so the plug-in keeps no preference file, neither there nor in the working
# folder, and works on the defaults.
deep=$work/$(printf 'a%.0s' $(seq 60))/$(printf 'b%.0s' $(seq 60))/$(printf 'c%.0s' $(seq 60))/$(printf 'd%.0s' $(seq 60))
mkdir -p "$deep" cwd
cp "$host_file" "$plugin_file" "$deep/"
out=$(cd cwd && "${emulator[@]}" "$deep/$host_file" call Kelv-FormatDate 3/5/2001); status=$?
check "a long program path still answers" "03/05/2001 0" "$out $status"
check "a long program path leaves no preference file" 0 "$(ls cwd "$deep" | grep -c DateTimePrefs)"

# Time stamps: the shape, and within a few seconds of this machine's clock.
# The stamp is read back by the plug-in's own 12-hour rule: 00..11 AM are the
# hours as written (midnight is 00 AM), 12 PM is noon, 01..11 PM are 13..23.
# date -d is no judge of that: it refuses 00 with AM.
stamp_seconds() {  # stamp_seconds "MM/DD/YYYY|hh:mm:ss.fff AM" -> seconds since 1970, or 0
  local re='^([0-9]{2})/([0-9]{2})/([0-9]{4})\|([0-9]{2}):([0-9]{2}):([0-9]{2})\.[0-9]{3} (AM|PM)$'
  [[ $1 =~ $re ]] || { echo 0; return; }
  local hour=$((10#${BASH_REMATCH[4]})) marker=${BASH_REMATCH[7]}
  if [ "$marker" == AM ] && [ "$hour" -gt 11 ]; then echo 0; return; fi
  if [ "$marker" == PM ] && { [ "$hour" -lt 1 ] || [ "$hour" -gt 12 ]; }; then echo 0; return; fi
  [ "$marker" == PM ] && [ "$hour" -lt 12 ] && hour=$((hour + 12))
  date -d "${BASH_REMATCH[3]}-${BASH_REMATCH[1]}-${BASH_REMATCH[2]} $hour:${BASH_REMATCH[5]}:${BASH_REMATCH[6]}" +%s 2>/dev/null || echo 0
}
# The reading itself, at the hours where a 12-hour clock turns over.
while read -r text expected; do
  check "a stamp of $text reads as $expected" "$(date -d "$expected" +%s)" "$(stamp_seconds "${text/_/ }")"
done <<'STAMPS'
12/09/2026|00:10:15.018_AM 2026-12-09 00:10:15
12/09/2026|11:59:59.999_AM 2026-12-09 11:59:59
12/09/2026|12:00:00.000_PM 2026-12-09 12:00:00
12/09/2026|12:30:05.000_PM 2026-12-09 12:30:05
12/09/2026|01:00:00.000_PM 2026-12-09 13:00:00
12/09/2026|11:59:59.999_PM 2026-12-09 23:59:59
STAMPS
check "a 13 PM stamp is refused" 0 "$(stamp_seconds '12/09/2026|13:00:00.000 PM')"
check "a 12 AM stamp is refused" 0 "$(stamp_seconds '12/09/2026|12:00:00.000 AM')"

before=$(date +%s)
full=$(host call "Kelv-TimeStamp (full)" "ignored")
after=$(date +%s)
shape='^[0-9]{2}/[0-9]{2}/[0-9]{4}\|[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3} (AM|PM)$'
check "TimeStamp (full) has its shape" 1 "$(grep -c -E "$shape" <<<"$full")"
stamp=$(stamp_seconds "$full")
check "TimeStamp (full) is the local time ($full)" 1 "$(( stamp >= before - 2 && stamp <= after + 2 ))"
check "TimeStamp (date) is a date" 1 "$(host call "Kelv-TimeStamp (date)" | grep -c -E '^[0-9]{2}/[0-9]{2}/[0-9]{4}$')"
check "TimeStamp (time) is a time" 1 "$(host call "Kelv-TimeStamp (time)" | grep -c -E '^[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3} (AM|PM)$')"

echo "$failures failed"
[ "$failures" -eq 0 ]
