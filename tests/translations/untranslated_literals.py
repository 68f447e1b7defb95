#!/usr/bin/env python3
"""Lists the texts in the product's sources that a player, pupil or teacher
could see but that bypass translation: string literals holding two words
that are neither inside QCoreApplication::translate / QT_TRANSLATE_NOOP nor
allowed below (file names, settings keys, protocol words, the journal's
and report's fixed formats, and the one line said before any translation can
be loaded). Exits 1 when it finds any."""
import pathlib
import re
import sys

FOLDERS = ["app", "common", "desktop", "launcher", "outside", "play", "quiz", "view", "world"]

# Literals that are formats or names, never shown as words to translate.
ALLOWED = {
    # The report's CSV header, read by spreadsheets.
    "start,questions,right,lcm_asked,lcm_right,gcf_asked,gcf_right,fractions_asked,",
    "fractions_right\\r\\n",
    # Said before the toolkit (and so any translation) can start.
    "no display: start Zorbik from a desktop session",
    "%s: %s (the display%s%s could not be opened).\\n",
    "%s: %s (neither DISPLAY nor WAYLAND_DISPLAY is set).\\n",
    # The stand-in fonts' family names.
    "Liberation Sans", "Liberation Serif", "Liberation Mono", "Times New Roman", "Courier New",
    # Kept in the high-score file as the default table's name.
    "Default player      ",
    "MS Sans Serif",
    # Reasons the shared folder code (no toolkit) gives, inside translated
    # sentences of the launcher.
    " cannot be opened as a folder",
    " is not a plain folder path",
}

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Two words with a blank between them: a sentence or a caption, not a name.
WORDS = re.compile(r"[A-Za-z]{2,}[,.:;!?')]* +[(']?[A-Za-z]{2,}")
# Style sheets and the test drivers' lines read by the tests.
SKIPPED_FILES = {"app/TestDriver.cpp", "quiz/QuizTestDriver.cpp"}
MARKED = re.compile(r"(translate|QT_TRANSLATE_NOOP)\s*\(\s*$")


def strip_comments(code):
    code = re.sub(r"/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group(0)), code, flags=re.S)
    out = []
    for line in code.split("\n"):
        # A "//" outside a literal starts a comment.
        cut, inside = len(line), False
        i = 0
        while i < len(line):
            c = line[i]
            if c == "\\" and inside:
                i += 2
                continue
            if c == '"':
                inside = not inside
            elif not inside and line.startswith("//", i):
                cut = i
                break
            i += 1
        out.append(line[:cut])
    return "\n".join(out)


def marked(code, start):
    """True when the literal at `start` is the text of a translate call or
    mark: the second argument, possibly after adjacent literals."""
    before = code[max(0, start - 3000):start]
    # Skip back over adjacent literals of the same text.
    while True:
        m = re.search(r'"(?:[^"\\\n]|\\.)*"\s*$', before)
        if not m:
            break
        before = before[: m.start()]
    # The text, or the translators' note after it.
    text = r'(?:"(?:[^"\\\n]|\\.)*"\s*)+'
    call = r'(translate|QT_TRANSLATE_NOOP)\s*\(\s*"[^"]*"\s*,\s*'
    return re.search(call + r'$', before) is not None or re.search(call + text + r',\s*$', before) is not None


def main(root):
    found = []
    for folder in FOLDERS:
        for path in sorted((root / folder).glob("*.[ch]*")):
            if path.suffix not in (".cpp", ".h") or str(path.relative_to(root)) in SKIPPED_FILES:
                continue
            code = strip_comments(path.read_text(encoding="utf-8"))
            for m in LITERAL.finditer(code):
                text = m.group(1)
                if text in ALLOWED or text.startswith("color:") or not WORDS.search(text):
                    continue
                line = code[: m.start()].count("\n") + 1
                if code[: m.start()].rstrip().endswith("#include"):
                    continue
                if marked(code, m.start()):
                    continue
                found.append(f"{path.relative_to(root)}:{line}: \"{text}\"")
    for f in found:
        print(f)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")))
