#!/usr/bin/env python3
"""Keeps the operation manual honest.

Every program text the manual quotes (「…」) is one the program has: a
window caption, a menu item, a message, a report literal. A quote may
stand for a message with a variable part written "…"; each part around it
must be in the program, and every reference range a box's guide gives is
in the manual. Every option, subcommand and value the
command-line tools accept is named in the command-line chapter, and every
option that chapter names is accepted. Every link between the documents
leads to a file and, with "#", to a heading there; every picture the manual
shows is one the Qt tests write.

Usage: honesty_test.py SOURCE_DIR [SCREENSHOT_DIR]
"""
import re
import sys
from pathlib import Path

ROOT = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
SHOTS = Path(sys.argv[2]) if len(sys.argv) > 2 else None
MANUAL = ROOT / "docs" / "manual"
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "0": "\0"}


def literals(code):
    """The string literals of a C++ source, adjacent ones joined."""
    out, i, n = [], 0, len(code)
    current, joinable = None, False
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
            continue
        if code.startswith("/*", i):
            i = code.find("*/", i + 2) + 2
            continue
        raw = re.match(r'(?:u8|u|U|L)?R"([^(\s]*)\(', code[i:])
        if raw:
            end = code.find(")" + raw.group(1) + '"', i + raw.end())
            text = code[i + raw.end():end]
            i = end + len(raw.group(1)) + 2
        elif c == '"' and not (i > 0 and code[i - 1] == "'" and code[i + 1:i + 2] == "'"):
            j, text = i + 1, ""
            while code[j] != '"':
                if code[j] == "\\":
                    e = code[j + 1]
                    if e == "x":
                        m = re.match(r"[0-9A-Fa-f]+", code[j + 2:])
                        text += chr(int(m.group(0), 16))
                        j += 2 + len(m.group(0))
                        continue
                    text += ESCAPES.get(e, e)
                    j += 2
                else:
                    text += code[j]
                    j += 1
            i = j + 1
        elif c == "'":
            i = code.find("'", i + 2 if code[i + 1] == "\\" else i + 1) + 1
            continue
        else:
            if not c.isspace():
                joinable = False
            i += 1
            continue
        if joinable and out:
            out[-1] += text
        else:
            out.append(text)
        joinable = True
    return out


def program_sources():
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h") or path.name.endswith(("_test.cpp", "_fuzz.cpp")):
            continue
        if path.name in ("test_support.h", "testing.cpp", "testing.h", "qt_test_support.h",
                         "random_project.h", "test_walls.h", "window_test_helpers.h"):
            continue
        yield path


def program_texts():
    texts = []
    for path in program_sources():
        for lit in literals(path.read_text(encoding="utf-8")):
            texts.append(lit)
            # A menu caption shows its accelerator underlined: "開く(&O)" reads "開く(O)".
            texts.append(re.sub(r"\(&(\w)\)", r"(\1)", lit).replace("&", ""))
    return texts


def quotes(text):
    """The outermost 「…」 of a line, nested quotes kept inside; a quote
    left open at the end of the line is returned with "\n" at its end."""
    out, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c == "「":
            if depth == 0:
                start = i + 1
            depth += 1
        elif c == "」" and depth > 0:
            depth -= 1
            if depth == 0:
                out.append(text[start:i])
    if depth > 0:
        out.append(text[start:] + "\n")
    return out


def slug(heading):
    heading = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", heading).replace("`", "").replace("**", "")
    return "".join(c if (c.isalnum() or c in "-_") else "-" if c == " " else ""
                   for c in heading.strip().lower())


def headings(path):
    out, fenced = [], False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("```"):
            fenced = not fenced
        m = None if fenced else re.match(r"^#{1,6}\s+(.*?)\s*#*\s*$", line)
        if m:
            out.append(m.group(1))
    return out


def main():
    failures = []
    chapters = sorted(MANUAL.glob("*.md"))
    texts = program_texts()
    corpus = "\x01".join(texts)

    # Program texts the manual quotes.
    for chapter in chapters:
        for number, line in enumerate(chapter.read_text(encoding="utf-8").splitlines(), 1):
            for q in quotes(line):
                if q.endswith("\n"):
                    failures.append(f"{chapter.name}:{number}: 「 is not closed on its line")
                    continue
                if not q.strip("…"):
                    continue  # the marks themselves, as the manual explains them
                parts = [p for p in q.split("…") if p]
                missing = [p for p in parts if p not in corpus]
                if missing:
                    failures.append(f"{chapter.name}:{number}: 「{q}」 is not a text of the program")

    # The reference ranges the boxes' guides give are the manual's ranges.
    manual = "\n".join(c.read_text(encoding="utf-8") for c in chapters)
    guides = (ROOT / "src" / "ui" / "forms" / "box_guides.cpp").read_text(encoding="utf-8")
    for lo, hi in re.findall(r"参考表 ([0-9.]+)〜([0-9.]+)", guides):
        if not re.search(re.escape(lo) + "[～〜]" + re.escape(hi), manual):
            failures.append(f"box_guides.cpp: the range {lo}〜{hi} of a box's guide is not in the manual")

    # The command-line tools: what they accept and what the chapter names.
    cli_doc = (MANUAL / "cli.md").read_text(encoding="utf-8")
    # What the programs' argument parsers compare arguments with: the sources
    # of src/app, src/project and src/book that hold options ("--..."), their option
    # literals and every word an argument is compared with.
    accepted = set()
    for path in program_sources():
        if path.parent.name not in ("app", "project", "book"):
            continue
        code = path.read_text(encoding="utf-8")
        options = [t for t in literals(code)
                   if re.fullmatch(r"--|--?[A-Za-z](?:[A-Za-z0-9-]*[A-Za-z0-9])?", t)]
        if not any(o.startswith("--") and len(o) > 2 for o in options):
            continue
        accepted |= set(options) | set(re.findall(r'[!=]=\s*"([A-Za-z0-9-]+)"', code))
    word = r"(?<![A-Za-z0-9_.-]){}(?![A-Za-z0-9_-])"
    for token in sorted(accepted):
        if not re.search(word.format(re.escape(token)), cli_doc):
            failures.append(f"cli.md: `{token}`, which the command line accepts, is not documented")
    spans = re.findall(r"`([^`\n]+)`", cli_doc) + re.findall(r"```.*?\n(.*?)```", cli_doc, re.S)
    for span in spans:
        for option in re.findall(r"(?<![A-Za-z0-9_.-])(--?[A-Za-z][A-Za-z0-9-]*)", span):
            if option not in accepted:
                failures.append(f"cli.md: `{option}` is not an option of the command line")

    # Links between the documents and the manual's pictures.
    docs = [*chapters, *sorted((ROOT / "docs" / "theory").glob("*.md"))]
    for doc in docs:
        text = doc.read_text(encoding="utf-8")
        for target in re.findall(r"\]\(([^)\s]+)\)", text):
            if re.match(r"[a-z]+:", target):
                continue
            file, _, anchor = target.partition("#")
            path = (doc.parent / file).resolve() if file else doc
            if "screenshots/" in file:
                if SHOTS is not None and not (SHOTS / Path(file).name).exists():
                    failures.append(f"{doc.name}: picture {Path(file).name} is not taken by the tests")
                continue
            if not path.exists():
                failures.append(f"{doc.name}: link to a missing file {target}")
            elif anchor and path.suffix == ".md" and anchor not in [slug(h) for h in headings(path)]:
                failures.append(f"{doc.name}: link to a missing heading {target}")

    for f in failures:
        print(f)
    print(f"{len(chapters)} chapters, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--list":
        ROOT = Path(__file__).resolve().parents[2]
        for t in program_texts()[::2]:
            if re.search(r"[\u3000-\u9fff\uff00-\uffef]", t):
                print(repr(t))
        sys.exit(0)
    sys.exit(main())
