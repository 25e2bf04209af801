#!/usr/bin/env python3
"""A mutation run over the plug-in's code: how many planted faults the tests catch.

Each mutant is one small fault of the kind a developer makes, planted in one
line of host/, text/, datetime/, functions/, prefs/, file/ or entry/:

  boundary   a comparison moved by one: < and <=, > and >=
  equality   a comparison made an equality: <, <=, > or >= as ==
  constant   an integer constant one more or one less
  magnitude  an integer constant ten times larger, halved, or a tenth
  logic      && for || and || for &&
  drop       an expression statement left out (the line becomes {})
  operand    one operand of a sum or difference left out: a + b as a or b
  sign       a sign flipped: a unary minus left out, + for - and - for +
  cast       a cast moved outside the product or sum it starts:
             static_cast<T>(a) * b as static_cast<T>(a * b)
  value      a returned value replaced by a neighbouring constant: a named
             constant one more or less, any other value 0
  swap       two neighbouring arguments of a call swapped
  return     the other branch of an early return: return true/false swapped,
             or the condition of an if that returns (on its line or the
             next) negated

The mutants are a seeded sample (MUTANTS, 80; SEED, 1) spread over every file
by its number of code lines. The checkout itself is never written: the run
copies it (without build/, dist/ and .git) into a work folder, configures the
copy once as the native build, and for each mutant writes the mutated line
into the copy, rebuilds what depends on it, runs the unit tests (two shards,
stopping at the first failure) and, if they pass, the end-to-end tests through
ctest. A mutant that passes all of them meets the unit tests once more in a
second build of the copy with the address and undefined-behaviour sanitizers,
as make test runs them, which sees the one-byte overruns the native build
cannot (--no-sanitizer leaves that build out). A mutant is killed when a test
fails or runs out of time; one that does not build is stillborn and does not
count; the mutants listed in tools/mutants-equivalent.txt behave exactly as
the original and do not count either. A test that fails before any fault is
planted is left out of the run and named in the report. The copy's file is
put back after every mutant, whatever happens (an interruption included).

  python3 tools/mutants.py [--mutants N] [--seed S] [--work DIR] [--commit REV] [--list]

--commit REV mutates that commit's files instead of the working tree's, so
that edits under way in the checkout do not enter the run. --again REPORT
tries once more, on today's code, the survivors an earlier run's report
names (after tests were added for them).

MUTANTS_WORK=DIR (or --work) keeps the work folder between runs, so the next
run brings the copy up to date and rebuilds only what changed.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SOURCE_DIRS = ("host", "text", "datetime", "functions", "prefs", "file", "entry")
SOURCE_SUFFIXES = (".cpp", ".h")
COPY_SKIPS = {"build", "dist", ".git"}
UNIT_TARGETS = ["unit_tests"]
E2E_TARGETS = ["kelvhost", "kelvdate", "generate-manual"]
E2E_TESTS = r"^(e2e_.*|command_line|manual_up_to_date)$"
EQUIVALENT_LIST = os.path.join("tools", "mutants-equivalent.txt")
SANITIZER_ENV = {"ASAN_OPTIONS": "detect_leaks=1:abort_on_error=0",
                 "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1"}


class Interrupted(Exception):
    """SIGINT or SIGTERM arrived: stop, put the file back, clean up."""


def on_signal(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


# --- finding the places a fault can go -----------------------------------

def code_mask(text):
    """For every character of a C++ file: True where it is code, False inside
    comments, string literals and character literals."""
    mask = [True] * len(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        two = text[i:i + 2]
        if two == "//":
            j = text.find("\n", i)
            j = n if j < 0 else j
        elif two == "/*":
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
        elif c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
        else:
            i += 1
            continue
        for k in range(i, j):
            mask[k] = False
        i = j
    return mask


BOUNDARY = re.compile(r"(?<=\s)(<=|>=|<|>)(?=\s)")
BOUNDARY_SWAP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
LOGIC = re.compile(r"(?<=\s)(&&|\|\|)(?=\s|$)")
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
RETURN_BOOL = re.compile(r"\breturn (true|false);")
# A simple operand: a name or number, with member access and one index.
SIMPLE = r"[A-Za-z_0-9][\w.]*(?:->\w+)*(?:\[[^\[\]]*\])?"
SUM_RIGHT = re.compile(r" ([+-]) (" + SIMPLE + r")(?=[\s);,\]?:]|$)")
SUM_LEFT = re.compile(r"(?<![\w.\]*/%>)-]\s)(?<![\w.\])])(" + SIMPLE + r") ([+-]) (?=[\w(])")
BINARY_SIGN = re.compile(r"(?<=[\w)\]]) ([+-]) (?=[\w(])")
UNARY_MINUS = re.compile(r"(?:(?<=[(\[])|(?<=[=,?:<>] )|(?<=return ))()-(?=[A-Za-z_(\d])")
CAST_PRODUCT = re.compile(r"static_cast<([\w:]+)>\(([^()]*)\)((?: [*+-] " + SIMPLE + r")+)")
RETURN_VALUE = re.compile(r"\breturn ([^;]+);")
CALL_OPEN = re.compile(r"\b([A-Za-z_]\w*)\(")
KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "static_cast", "reinterpret_cast",
            "const_cast", "catch", "defined", "alignof", "decltype"}
PARAMETER = re.compile(r"^(const\s+)?[\w:]+(<[^>]*>)?[\s*&]+[*&]*\w+(\[[^\]]*\])?(\s*=.*)?$")
# Lines that are never mutated: preprocessor lines, compile-time checks, and
# declarations of tables whose size the initializer fixes.
SKIP_LINE = re.compile(r"^\s*(#|static_assert\b|extern\b|template\b|using\b|namespace\b)")
NOT_A_STATEMENT = re.compile(
    r"^(return|break|continue|goto|case|default|using|typedef|namespace|template|struct|class|"
    r"enum|extern|static|const|constexpr|inline|delete|throw|static_assert|public|private|"
    r"protected|if|else|for|while|do|switch)\b|^\(void\)")
# Two names in a row (a type and what it declares) start a declaration;
# an expression statement starts with one name and an operator.
DECLARATION = re.compile(r"^[\w:]+(<[^;]*>)?[\s*&]+[*&]*\w")
IF_HEAD = re.compile(r"^(\s*)(\}\s*)?(else\s+)?if\s*\(")


def matching_paren(code, start):
    """Index of the ')' closing the '(' at start, or -1 on this line."""
    depth = 0
    for k in range(start, len(code)):
        if code[k] == "(":
            depth += 1
        elif code[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def is_expression_statement(stmt):
    """A single statement on its own: an assignment, increment or call, not a
    declaration, a jump or a continued line."""
    if not stmt.endswith(";") or stmt.count(";") != 1:
        return False
    if stmt.count("(") != stmt.count(")") or "{" in stmt or "}" in stmt:
        return False
    if NOT_A_STATEMENT.match(stmt) or DECLARATION.match(stmt):
        return False
    return re.match(r"^(\*|\+\+|--|[A-Za-z_])", stmt) is not None


def arithmetic_sites(line, code):
    """The operand, sign and cast mutants of one line."""
    sites = []
    for m in SUM_RIGHT.finditer(code):
        sites.append((m.start(), "operand", line[:m.start()] + line[m.end():]))
    for m in SUM_LEFT.finditer(code):
        sites.append((m.start(), "operand", line[:m.start()] + line[m.end():]))
    for m in BINARY_SIGN.finditer(code):
        other = "-" if m.group(1) == "+" else "+"
        sites.append((m.start(1), "sign", line[:m.start(1)] + other + line[m.end(1):]))
    for m in UNARY_MINUS.finditer(code):
        at = m.end(1)
        sites.append((at, "sign", line[:at] + line[at + 1:]))
    for m in CAST_PRODUCT.finditer(code):
        moved = "static_cast<" + m.group(1) + ">(" + m.group(2) + m.group(3) + ")"
        sites.append((m.start(), "cast", line[:m.start()] + moved + line[m.end():]))
    return sites


def call_sites(line, code):
    """Two neighbouring arguments of a call swapped, for calls whose
    arguments all stand on this line and none of which declares a name."""
    sites = []
    for m in CALL_OPEN.finditer(code):
        if m.group(1) in KEYWORDS:
            continue
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at < 0:
            continue
        # The arguments, split at the commas outside any bracket.
        bounds, depth, start = [], 0, open_at + 1
        for k in range(open_at + 1, close_at):
            ch = code[k]
            if ch in "([{":
                depth += 1
            elif ch in ")]}":
                depth -= 1
            elif ch == "," and depth == 0:
                bounds.append((start, k))
                start = k + 1
        bounds.append((start, close_at))
        if len(bounds) < 2:
            continue
        texts = [line[a:b].strip() for a, b in bounds]
        if any(not t or PARAMETER.match(t) for t in texts):
            continue  # a declaration's parameters, or an empty list
        for i in range(len(bounds) - 1):
            if texts[i] == texts[i + 1]:
                continue
            (a0, b0), (a1, b1) = bounds[i], bounds[i + 1]
            lead0 = line[a0:b0][:len(line[a0:b0]) - len(line[a0:b0].lstrip())]
            lead1 = line[a1:b1][:len(line[a1:b1]) - len(line[a1:b1].lstrip())]
            swapped = (line[:a0] + lead0 + texts[i + 1] + line[b0:a1] + lead1 + texts[i] + line[b1:])
            sites.append((a0, "swap", swapped))
    return sites


def line_sites(line, code, previous_end, next_code=""):
    """The mutants of one line: (column, kind, mutated line). `code` is the line
    with comments and literals blanked; `previous_end` the last code character
    of the line before (to tell a statement from a continued expression);
    `next_code` the next code line, stripped (to find a return under an if)."""
    sites = []
    if SKIP_LINE.match(line):
        return sites
    for m in BOUNDARY.finditer(code):
        op = m.group(1)
        sites.append((m.start(), "boundary", line[:m.start()] + BOUNDARY_SWAP[op] + line[m.end():]))
        sites.append((m.start(), "equality", line[:m.start()] + "==" + line[m.end():]))
    for m in LOGIC.finditer(code):
        op = "||" if m.group(1) == "&&" else "&&"
        sites.append((m.start(), "logic", line[:m.start()] + op + line[m.end():]))
    for m in NUMBER.finditer(code):
        digits, suffix = m.group(1), m.group(2)
        base = 16 if digits[:2].lower() == "0x" else 10
        value = int(digits, base)
        for delta in (1, -1):
            v = value + delta
            if base == 16:
                if v < 0:
                    continue
                text = digits[:2] + format(v, "X" if digits[2:].isupper() else "x").rjust(len(digits) - 2, "0")
            else:
                text = str(v)
            sites.append((m.start(), "constant", line[:m.start()] + text + suffix + line[m.end():]))
    for m in NUMBER.finditer(code):
        digits, suffix = m.group(1), m.group(2)
        base = 16 if digits[:2].lower() == "0x" else 10
        value = int(digits, base)
        for v in sorted({value * 10, value // 2, value // 10} - {value, value + 1, value - 1}):
            if base == 16:
                text = digits[:2] + format(v, "X" if digits[2:].isupper() else "x")
            else:
                text = str(v)
            sites.append((m.start(), "magnitude", line[:m.start()] + text + suffix + line[m.end():]))
    sites.extend(arithmetic_sites(line, code))
    sites.extend(call_sites(line, code))
    for m in RETURN_VALUE.finditer(code):
        value = m.group(1).strip()
        if value in ("true", "false") or NUMBER.fullmatch(value) or value.startswith("-"):
            continue
        at, end = m.start(1), m.end(1)
        if re.fullmatch(r"k[A-Z]\w*", value):
            for delta in (" + 1", " - 1"):
                sites.append((at, "value", line[:at] + value + delta + line[end:]))
        elif value not in ("0", "nullptr"):
            sites.append((at, "value", line[:at] + "0" + line[end:]))
    for m in RETURN_BOOL.finditer(code):
        other = "false" if m.group(1) == "true" else "true"
        sites.append((m.start(), "return", line[:m.start(1)] + other + line[m.end(1):]))
    head = IF_HEAD.match(code)
    if head:
        open_at = head.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at > 0:
            rest = code[close_at + 1:].strip()
            condition = line[open_at + 1:close_at]
            if rest.startswith("return") or (rest in ("", "{") and next_code.startswith("return")):
                sites.append((open_at, "return",
                              line[:open_at] + "(!(" + condition + "))" + line[close_at + 1:]))
            elif is_expression_statement(rest):
                body_at = line.index(rest[0], close_at + 1)
                sites.append((body_at, "drop", line[:body_at] + "{}" + line[body_at + len(rest):]))
    stripped = code.strip()
    else_body = re.match(r"^(\}\s*)?else\s+(.*)$", stripped)
    if else_body and is_expression_statement(else_body.group(2)):
        body_at = line.index(else_body.group(2)[0], line.index("else") + 4)
        sites.append((body_at, "drop", line[:body_at] + "{}" + line[body_at + len(else_body.group(2)):]))
    elif is_expression_statement(stripped) and previous_end in (";", "{", "}", ":", ""):
        indent = line[:len(line) - len(line.lstrip())]
        sites.append((len(indent), "drop", indent + "{}"))
    return sites


def file_sites(root, rel):
    """Every mutant of one file, as dicts; and its number of code lines."""
    with open(os.path.join(root, rel), encoding="latin-1") as f:
        text = f.read()
    mask = code_mask(text)
    code_text = "".join(ch if keep or ch == "\n" else " " for ch, keep in zip(text, mask))
    lines = text.split("\n")
    code_lines = code_text.split("\n")
    sites = []
    previous_end = ""
    code_line_count = 0
    following = [""] * len(code_lines)
    upcoming = ""
    for index in range(len(code_lines) - 1, -1, -1):
        following[index] = upcoming
        if code_lines[index].strip():
            upcoming = code_lines[index].strip()
    for number, (line, code) in enumerate(zip(lines, code_lines), start=1):
        if not code.strip():
            continue
        code_line_count += 1
        for column, kind, mutated in line_sites(line, code, previous_end, following[number - 1]):
            if mutated != line:
                sites.append({"file": rel, "line": number, "column": column, "kind": kind,
                              "original": line, "mutated": mutated})
        previous_end = "" if code.lstrip().startswith("#") else code.rstrip()[-1:]
    return sites, code_line_count


def source_files(root):
    found = []
    for top in SOURCE_DIRS:
        for folder, _dirs, files in os.walk(os.path.join(root, top)):
            for name in files:
                if name.endswith(SOURCE_SUFFIXES):
                    found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def draw(root, count, seed):
    """A seeded sample of `count` mutants, shared out over the files by their
    code lines (largest remainders drawn at random), each file's share drawn
    at random from its own sites."""
    rng = random.Random(seed)
    per_file = {}
    weight = {}
    for rel in source_files(root):
        sites, lines = file_sites(root, rel)
        if sites:
            per_file[rel] = sites
            weight[rel] = lines
    quota = {rel: 0 for rel in per_file}
    remaining = min(count, sum(len(s) for s in per_file.values()))
    while remaining > 0:
        open_files = [rel for rel in per_file if quota[rel] < len(per_file[rel])]
        total = sum(weight[rel] for rel in open_files)
        shares = {rel: remaining * weight[rel] / total for rel in open_files}
        given = 0
        for rel in open_files:
            take = min(int(shares[rel]), len(per_file[rel]) - quota[rel])
            quota[rel] += take
            given += take
        left = remaining - given
        # The fractions: files drawn without replacement, by what they lack.
        candidates = [rel for rel in open_files if quota[rel] < len(per_file[rel])]
        while left > 0 and candidates:
            fractions = [shares[rel] - int(shares[rel]) + 1e-9 for rel in candidates]
            pick = rng.choices(candidates, weights=fractions)[0]
            quota[pick] += 1
            candidates.remove(pick)
            given += 1
            left -= 1
        remaining -= given
        if given == 0:
            break
    chosen = []
    for rel in sorted(per_file):
        chosen.extend(rng.sample(per_file[rel], quota[rel]))
    chosen.sort(key=lambda s: (s["file"], s["line"], s["column"], s["mutated"]))
    return chosen, per_file


def survivors_again(report_path, every_site):
    """The mutants of today's code that an earlier report lists as survivors:
    the same file, original and mutated text, at whatever line they now are."""
    with open(report_path, encoding="latin-1") as f:
        report = f.read()
    wanted = re.findall(r"^survived (\S+):(\d+) \(\w+\)\n  original: (.*)\n  mutated:  (.*)$", report, re.M)
    chosen = []
    for rel, line, original, mutated in wanted:
        found = [s for s in every_site.get(rel, [])
                 if s["original"].strip() == original.strip() and s["mutated"].strip() == mutated.strip()]
        if found:
            # Of lines with the same text, the one nearest where it stood.
            chosen.append(min(found, key=lambda s: abs(s["line"] - int(line))))
        else:
            print(f"note: {rel}: {original.strip()} is no longer in the code")
    return chosen


# --- the equivalent mutants ------------------------------------------------

def read_equivalents(path):
    """Entries of four lines each (file:, original:, mutated:, reason:),
    separated by blank lines; '#' starts a comment line. Lines compare without
    their leading and trailing white space."""
    entries = []
    if not os.path.exists(path):
        return entries
    entry = {}
    with open(path, encoding="latin-1") as f:
        for number, raw in enumerate(f, start=1):
            line = raw.rstrip("\n")
            if line.startswith("#"):
                continue
            if not line.strip():
                if entry:
                    entries.append(entry)
                entry = {}
                continue
            key, sep, value = line.partition(": ")
            if not sep or key not in ("file", "original", "mutated", "reason"):
                sys.exit(f"{path}:{number}: expected 'file: ', 'original: ', 'mutated: ' or 'reason: '")
            entry.setdefault("at", number)
            entry[key] = value.strip()
    if entry:
        entries.append(entry)
    for e in entries:
        missing = [k for k in ("file", "original", "mutated", "reason") if k not in e]
        if missing:
            sys.exit(f"{path}:{e['at']}: entry lacks {', '.join(missing)}")
    return entries


def equivalent_entry(site, entries):
    for e in entries:
        if (e["file"] == site["file"] and e["original"] == site["original"].strip()
                and e["mutated"] == site["mutated"].strip()):
            return e
    return None


# --- the work copy ---------------------------------------------------------

def sync_copy(checkout, copy):
    """Makes `copy` hold exactly the checkout's files (without build/, dist/,
    .git), writing only the files whose bytes differ so that the build stays
    incremental."""
    wanted = set()
    for folder, dirs, files in os.walk(checkout):
        rel_folder = os.path.relpath(folder, checkout)
        if rel_folder == ".":
            dirs[:] = [d for d in dirs if d not in COPY_SKIPS]
        os.makedirs(os.path.join(copy, rel_folder), exist_ok=True)
        for name in files:
            rel = os.path.normpath(os.path.join(rel_folder, name))
            wanted.add(rel)
            src, dst = os.path.join(checkout, rel), os.path.join(copy, rel)
            if os.path.islink(src):
                continue
            with open(src, "rb") as f:
                data = f.read()
            try:
                with open(dst, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                with open(dst, "wb") as f:
                    f.write(data)
                shutil.copymode(src, dst)
    for folder, _dirs, files in os.walk(copy):
        for name in files:
            rel = os.path.normpath(os.path.relpath(os.path.join(folder, name), copy))
            if rel not in wanted:
                os.remove(os.path.join(copy, rel))


def run(cmd, cwd, timeout, env=None, log=None):
    """Runs cmd in a process group of its own; answers (exit code or None on
    time-out, seconds). The whole group goes when the time is up."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=log or subprocess.DEVNULL,
                            stderr=subprocess.STDOUT, start_new_session=True)
    try:
        code = proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        code = None
    finally:
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
    return code, time.monotonic() - start


def with_env(extra, scratch):
    """The environment of a test run: the sanitizer options if any, and a
    temporary folder of the run's own."""
    tmp = os.path.join(scratch, "tmp")
    os.makedirs(tmp, exist_ok=True)
    return dict(os.environ, TMPDIR=tmp, **(extra or {}))


def capture(cmd, cwd, env, timeout):
    """The output of cmd, run in a process group of its own that goes
    whatever happens (a time-out, an interruption)."""
    with tempfile.TemporaryFile() as out:
        proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=out, stderr=subprocess.STDOUT,
                                start_new_session=True)
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            pass
        finally:
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
        out.seek(0)
        return out.read()


def failing_tests(build_dir, scratch, extra_env=None):
    """The unit tests and end-to-end tests that fail on the unmutated copy,
    by name, from one full run of each."""
    env = with_env(extra_env, scratch)
    unit = capture([os.path.join(build_dir, "bin", "unit_tests"), "--gtest_brief=1"], scratch, env, 1200)
    unit_failed = sorted(set(re.findall(rb"^\[  FAILED  \] (\S+\.\S+) \(", unit, re.M)))
    e2e = capture(["ctest", "--test-dir", build_dir, "-R", E2E_TESTS, "-j2", "--timeout", "600"], None, env, 1800)
    e2e_failed = sorted(set(re.findall(rb"^\s*\d+ - (\S+) \(", e2e, re.M)))
    return [t.decode() for t in unit_failed], [t.decode() for t in e2e_failed]


def build(build_dir, targets, timeout, log):
    code, _ = run(["cmake", "--build", build_dir, "-j2", "--target"] + targets, None, timeout, log=log)
    return code == 0


def unit_tests(build_dir, timeout, scratch, left_out=(), extra_env=None):
    """The unit tests in two shards side by side, each stopping at its first
    failure; the first shard to fail stops the other. Answers 'pass', 'fail'
    or 'timeout'."""
    program = os.path.join(build_dir, "bin", "unit_tests")
    options = ["--gtest_fail_fast", "--gtest_brief=1"]
    if left_out:
        options.append("--gtest_filter=-" + ":".join(left_out))
    procs = []
    for index in range(2):
        cwd = os.path.join(scratch, f"shard{index}")
        # A temporary folder of each shard's own: the file tests make their
        # folders by test name, and another run of the suite may be under way.
        os.makedirs(os.path.join(cwd, "tmp"), exist_ok=True)
        env = dict(os.environ, GTEST_TOTAL_SHARDS="2", GTEST_SHARD_INDEX=str(index), TMPDIR=os.path.join(cwd, "tmp"),
                   **(extra_env or {}))
        procs.append(subprocess.Popen([program] + options, cwd=cwd, env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      start_new_session=True))
    deadline = time.monotonic() + timeout
    outcome = "pass"
    try:
        while any(p.poll() is None for p in procs):
            if any(p.poll() not in (None, 0) for p in procs):
                outcome = "fail"
                break
            if time.monotonic() > deadline:
                outcome = "timeout"
                break
            time.sleep(0.05)
        if outcome == "pass" and any(p.returncode != 0 for p in procs):
            outcome = "fail"
    finally:
        for p in procs:
            if p.poll() is None:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
    return outcome


def e2e_tests(build_dir, timeout, scratch, left_out=(), extra_env=None):
    skip = ["-E", "^(" + "|".join(left_out) + ")$"] if left_out else []
    code, _ = run(["ctest", "--test-dir", build_dir, "-R", E2E_TESTS, "-j2", "--stop-on-failure",
                   "--timeout", str(int(timeout))] + skip, None, timeout + 30, env=with_env(extra_env, scratch))
    if code is None:
        return "timeout"
    return "pass" if code == 0 else "fail"


# --- the run ---------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--mutants", type=int, default=int(os.environ.get("MUTANTS") or 80))
    parser.add_argument("--seed", type=int, default=int(os.environ.get("SEED") or 1))
    parser.add_argument("--work", default=os.environ.get("MUTANTS_WORK") or None,
                        help="work folder to keep between runs (default: a temporary one)")
    parser.add_argument("--timeout", type=float, default=float(os.environ.get("MUTANT_TIMEOUT") or 0),
                        help="seconds for each test stage (default: five times the unmutated run, at least 60)")
    parser.add_argument("--commit", default=os.environ.get("MUTANTS_COMMIT") or None,
                        help="mutate this commit's tree instead of the working tree")
    parser.add_argument("--no-sanitizer", action="store_true",
                        help="leave out the second look at survivors in the sanitizer build")
    parser.add_argument("--again", metavar="REPORT",
                        help="instead of a draw, try again the survivors a report of an earlier run names "
                             "(found by file and text, wherever their lines now stand)")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    args = parser.parse_args()

    checkout = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    exported = None
    if args.commit:
        # The commit's files, as a tree of their own to copy from.
        exported = tempfile.mkdtemp(prefix="kelv-mutants-tree-")
        archive = subprocess.run(["git", "-C", checkout, "archive", args.commit], check=True,
                                 stdout=subprocess.PIPE).stdout
        subprocess.run(["tar", "-x", "-C", exported], input=archive, check=True)
        checkout = exported
    try:
        return mutate(checkout, args)
    finally:
        if exported:
            shutil.rmtree(exported, ignore_errors=True)


def mutate(checkout, args):
    entries = read_equivalents(os.path.join(checkout, EQUIVALENT_LIST))
    chosen, every_site = draw(checkout, args.mutants, args.seed)
    if args.again:
        chosen = survivors_again(args.again, every_site)

    all_sites = [s for sites in every_site.values() for s in sites]
    stale = [e for e in entries if not any(equivalent_entry(s, [e]) for s in all_sites)]
    for e in stale:
        print(f"note: {EQUIVALENT_LIST}:{e['at']} matches no mutant of today's code")
    if args.list:
        for s in chosen:
            mark = " (equivalent)" if equivalent_entry(s, entries) else ""
            print(f"{s['file']}:{s['line']} {s['kind']}{mark}\n  - {s['original'].strip()}\n  + {s['mutated'].strip()}")
        return 0

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)
    temporary = args.work is None
    work = args.work or tempfile.mkdtemp(prefix="kelv-mutants-",
                                         dir="/dev/shm" if os.access("/dev/shm", os.W_OK) else None)
    work = os.path.abspath(work)
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if any(work == top or work.startswith(top + os.sep) for top in (checkout, repo)):
        sys.exit("the work folder must lie outside the checkout")
    copy, scratch = os.path.join(work, "src"), os.path.join(work, "scratch")
    os.makedirs(scratch, exist_ok=True)
    log_path = os.path.join(work, "build.log")
    # The native build first; what passes it meets the sanitizer build as
    # make test runs it, which sees the overruns the native build cannot.
    builds = [{"name": "native", "dir": os.path.join(work, "build"), "env": None,
               "cmake": ["-DCMAKE_BUILD_TYPE=RelWithDebInfo"]}]
    if not args.no_sanitizer:
        builds.append({"name": "sanitizer", "dir": os.path.join(work, "asan"), "env": SANITIZER_ENV,
                       "cmake": ["-DCMAKE_BUILD_TYPE=Debug", "-DKELV_SANITIZE=ON"]})
    results = []
    left_out = []
    mutated_file, original_bytes = None, None
    started = time.monotonic()
    try:
        print(f"work folder {work}: copying the checkout and building it unmutated")
        sync_copy(checkout, copy)
        for b in builds:
            with open(log_path, "ab") as log:
                code, _ = run(["cmake", "-S", copy, "-B", b["dir"], "-G", "Ninja"] + b["cmake"], None, 600, log=log)
                if code != 0 or not build(b["dir"], UNIT_TARGETS + E2E_TARGETS, 3600, log):
                    sys.exit(f"the unmutated copy does not build ({b['name']}): see {log_path}")
            # Tests that fail before any fault is planted tell nothing about
            # the mutants: they are left out of the run, and the report names them.
            b["left_unit"], b["left_e2e"] = failing_tests(b["dir"], scratch, b["env"])
            for name in b["left_unit"] + b["left_e2e"]:
                left_out.append(f"{name} ({b['name']})")
                print(f"warning: {name} fails on the unmutated {b['name']} build and is left out of this run")
            t0 = time.monotonic()
            unit = unit_tests(b["dir"], 1200, scratch, b["left_unit"], b["env"])
            unit_seconds = time.monotonic() - t0
            t0 = time.monotonic()
            e2e = e2e_tests(b["dir"], 1200, scratch, b["left_e2e"], b["env"]) if unit == "pass" else "not run"
            e2e_seconds = time.monotonic() - t0
            if unit != "pass" or e2e != "pass":
                sys.exit(f"the unmutated tests do not pass on the {b['name']} build "
                         f"(unit: {unit}, end-to-end: {e2e}); no score")
            b["unit_limit"] = args.timeout or max(60.0, 5 * unit_seconds)
            b["e2e_limit"] = args.timeout or max(60.0, 5 * e2e_seconds)
            print(f"unmutated {b['name']} build: unit tests {unit_seconds:.1f} s, end-to-end {e2e_seconds:.1f} s; "
                  f"limits {b['unit_limit']:.0f} s and {b['e2e_limit']:.0f} s")

        for number, site in enumerate(chosen, start=1):
            entry = equivalent_entry(site, entries)
            where = f"{site['file']}:{site['line']}"
            if entry:
                results.append(dict(site, outcome="equivalent", seconds=0.0, reason=entry["reason"]))
                print(f"[{number}/{len(chosen)}] equivalent  {where} ({site['kind']})")
                continue
            t0 = time.monotonic()
            path = os.path.join(copy, site["file"])
            with open(path, "rb") as f:
                original_bytes = f.read()
            mutated_file = path
            try:
                lines = original_bytes.decode("latin-1").split("\n")
                if lines[site["line"] - 1] != site["original"]:
                    sys.exit(f"{where} of the copy differs from the checkout")
                lines[site["line"] - 1] = site["mutated"]
                with open(path, "wb") as f:
                    f.write("\n".join(lines).encode("latin-1"))
                outcome, stage = "survived", "every test passed"
                with open(log_path, "ab") as log:
                    for b in builds:
                        if not build(b["dir"], UNIT_TARGETS, 1800, log):
                            outcome, stage = "stillborn", f"{b['name']} build"
                            break
                        unit = unit_tests(b["dir"], b["unit_limit"], scratch, b["left_unit"], b["env"])
                        if unit != "pass":
                            outcome, stage = "killed", f"{b['name']} unit {unit}"
                            break
                        if b["name"] == "sanitizer":
                            continue  # its unit tests are the ones that look at memory; the end-to-end cases ran
                        if not build(b["dir"], E2E_TARGETS, 1800, log):
                            outcome, stage = "stillborn", f"{b['name']} build"
                            break
                        e2e = e2e_tests(b["dir"], b["e2e_limit"], scratch, b["left_e2e"], b["env"])
                        if e2e != "pass":
                            outcome, stage = "killed", f"{b['name']} end-to-end {e2e}"
                            break
            finally:
                with open(path, "wb") as f:
                    f.write(original_bytes)
                mutated_file = None
            seconds = time.monotonic() - t0
            results.append(dict(site, outcome=outcome, seconds=seconds, stage=stage))
            print(f"[{number}/{len(chosen)}] {outcome:<10}  {where} ({site['kind']}, {stage}, {seconds:.1f} s)",
                  flush=True)
    except Interrupted as stop:
        print(f"\nstopped by {stop}; the copy is restored")
    finally:
        if mutated_file is not None:
            with open(mutated_file, "wb") as f:
                f.write(original_bytes)
        if temporary:
            shutil.rmtree(work, ignore_errors=True)

    return report(results, args, time.monotonic() - started, left_out)


def report(results, args, elapsed, left_out):
    counts = {k: sum(1 for r in results if r["outcome"] == k)
              for k in ("killed", "survived", "stillborn", "equivalent")}
    tried = [r for r in results if r["outcome"] in ("killed", "survived", "stillborn")]
    scored = counts["killed"] + counts["survived"]
    print(f"\nseed {args.seed}, {len(results)} mutants: {counts['killed']} killed, "
          f"{counts['survived']} survived, {counts['stillborn']} stillborn, "
          f"{counts['equivalent']} listed as equivalent")
    if tried:
        per = sum(r["seconds"] for r in tried) / len(tried)
        print(f"time per mutant {per:.1f} s (whole run {elapsed / 60:.1f} min)")
    if scored:
        print(f"score: {counts['killed']}/{scored} = {100.0 * counts['killed'] / scored:.1f}% "
              f"of the non-equivalent mutants killed")
    for r in results:
        if r["outcome"] == "survived":
            print(f"\nsurvived {r['file']}:{r['line']} ({r['kind']})\n"
                  f"  original: {r['original'].strip()}\n  mutated:  {r['mutated'].strip()}")
    if left_out:
        print("\nleft out, failing on the unmutated tree: " + ", ".join(left_out))
    stillborn = [r for r in results if r["outcome"] == "stillborn"]
    if stillborn:
        print("\nstillborn (did not build): " + ", ".join(f"{r['file']}:{r['line']}" for r in stillborn))
    return 0


if __name__ == "__main__":
    sys.exit(main())
