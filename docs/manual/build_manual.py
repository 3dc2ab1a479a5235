#!/usr/bin/env python3
"""Builds Dorvel's manual from docs/manual/{en,pl} into Qt Help collections
and browsable HTML.

The pages are written by hand; two are generated so that they cannot drift
from the program:
  fields.html    from `dorvel-cli fields --json` (the engine's field table),
                 with the notes of FIELD-NOTES (keyed by field name) beside it;
  messages.html  from the program's message table (number, Polish, English),
                 with the explanations of MESSAGE-NOTES (keyed by number).
The build fails when a help topic number the program names has no page or
no anchor, when a link between pages is broken, or when a note names a field
or a message that does not exist.

usage: build_manual.py --src DIR --out HELPDIR --html HTMLDIR --cli DORVEL-CLI
                       --examples DIR --data-tool DORVEL-MANUAL-DATA
                       --qhelpgenerator PATH
"""
import argparse
import html
import json
import os
import re
import shutil
import subprocess
import sys

LANGS = ("en", "pl")
WORDS = {
    "en": {"contents": "Contents", "prev": "Previous", "next": "Next",
           "unit": "Unit", "type": "Type", "meaning": "Meaning", "codes": "Codes",
           "slots": "Slots", "message": "Message", "none": "none",
           "field": "field", "msgkw": "message"},
    "pl": {"contents": "Spis treści", "prev": "Poprzedni", "next": "Następny",
           "unit": "Jednostka", "type": "Typ", "meaning": "Znaczenie", "codes": "Kody",
           "slots": "Pozycje", "message": "Komunikat", "none": "brak",
           "field": "pole", "msgkw": "komunikat",
           "type-integer": "liczba całkowita", "type-number": "liczba", "type-array": "tablica",
           "type-string": "tekst", "type-boolean": "wartość logiczna"},
}

errors = []


def fail(text):
    errors.append(text)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def strip_tags(text):
    return html.unescape(re.sub(r"<[^>]+>", "", text)).strip()


def keyed_notes(path, key_pattern):
    """Blocks "[key]" followed by their HTML lines; {} when the file is absent."""
    notes = {}
    if not os.path.exists(path):
        return notes
    key = None
    for line in read(path).splitlines():
        m = re.fullmatch(r"\[(" + key_pattern + r")\]\s*", line)
        if m:
            key = m.group(1)
            if key in notes:
                fail(f"{path}: [{key}] given twice")
            notes[key] = []
        elif key is not None:
            notes[key].append(line)
        elif line.strip() and not line.startswith("#"):
            fail(f"{path}: text before the first [key]: {line!r}")
    return {k: "\n".join(v).strip() for k, v in notes.items()}


class Page:
    def __init__(self, name, title, body, keywords):
        self.name, self.title, self.body, self.keywords = name, title, body, keywords

    def ids(self):
        return set(re.findall(r'\b(?:id|name)="([^"]+)"', self.body))

    def sections(self):
        """(anchor, title) of every h2 with an id, in order."""
        return [(a, strip_tags(t)) for a, t in
                re.findall(r'<h2[^>]*\bid="([^"]+)"[^>]*>(.*?)</h2>', self.body, re.S)]


def source_page(path, name):
    text = read(path)
    m = re.search(r"<title>(.*?)</title>", text, re.S)
    title = strip_tags(m.group(1)) if m else name
    m = re.search(r"<body[^>]*>(.*)</body>", text, re.S)
    body = m.group(1).strip() if m else text
    kw = re.search(r'<meta name="keywords" content="([^"]*)"', text)
    keywords = [k.strip() for k in kw.group(1).split(";") if k.strip()] if kw else []
    return Page(name, title, body, keywords)


def fields_page(lang, fields, notes_path, intro):
    w = WORDS[lang]
    notes = keyed_notes(notes_path, r"[A-Za-z0-9_]+")
    names = {f["name"] for f in fields}
    for key in notes:
        if key not in names:
            fail(f"{notes_path}: [{key}] is no case field")
    out = [intro]
    keywords = []
    for f in fields:
        name = f["name"]
        note = notes.get(name, "")
        meaning = f["meaning"]
        # A Polish note may open with "= meaning" in place of the English one.
        if note.startswith("= "):
            first, _, note = note.partition("\n")
            meaning = first[2:].strip()
            note = note.strip()
        # "~N name" lines give the codes' names in the page's language.
        code_names = {}
        kept = []
        for line in note.splitlines():
            m = re.fullmatch(r"~(\d+) (.+)", line)
            if m:
                code_names[int(m.group(1))] = m.group(2)
            else:
                kept.append(line)
        note = "\n".join(kept).strip()
        codes = {c["code"] for c in f.get("codes", [])}
        for n in code_names:
            if n not in codes:
                fail(f"{notes_path}: [{name}] has no code {n}")
        out.append(f'<h3 id="field-{name}">{html.escape(name)}</h3>')
        rows = [(w["meaning"], html.escape(meaning)),
                (w["unit"], html.escape(f["unit"]) if f["unit"] else "&ndash;"),
                (w["type"], html.escape(w.get("type-" + f["type"], f["type"])))]
        if f.get("slots"):
            rows.append((w["slots"], str(f["slots"])))
        if f.get("codes"):
            rows.append((w["codes"], "<br>".join(
                f'{c["code"]} &ndash; {html.escape(code_names.get(c["code"], c["name"]))}'
                for c in f["codes"])))
        out.append('<table class="field">' + "".join(
            f"<tr><th>{k}</th><td>{v}</td></tr>" for k, v in rows) + "</table>")
        if note:
            out.append(note)
        keywords.append((name, f"field-{name}"))
        keywords.append((f'{meaning} ({name})', f"field-{name}"))
    return "\n".join(out), keywords


def messages_page(lang, messages, notes_path, intro):
    w = WORDS[lang]
    notes = keyed_notes(notes_path, r"[0-9]+")
    numbers = {m[0] for m in messages}
    for key in notes:
        if int(key) not in numbers:
            fail(f"{notes_path}: [{key}] is no message number")
    out = [intro]
    keywords = []
    for number, polish, english in messages:
        # The values the program puts in (%1 to %9) show as an ellipsis.
        text = re.sub(r"%[1-9]", "\u2026", polish if lang == "pl" else english)
        other = re.sub(r"%[1-9]", "\u2026", english if lang == "pl" else polish)
        out.append(f'<h3 id="message-{number}">{number}</h3>')
        out.append(f'<p class="message">{html.escape(text).replace(chr(10), "<br>")}</p>')
        out.append(f'<p class="other">({html.escape(other).replace(chr(10), " ")})</p>')
        note = notes.get(str(number), "")
        if note:
            out.append(note)
        else:
            # A message of the table still waiting for its explanation: shown
            # with its texts only, and named here so that the gap is seen.
            print(f"manual: warning: {notes_path}: no explanation of message {number}",
                  file=sys.stderr)
        keywords.append((str(number), f"message-{number}"))
        keywords.append((f'{w["msgkw"]} {number}', f"message-{number}"))
        short = text.replace("\n", " ").strip()
        if short:
            keywords.append((short[:80], f"message-{number}"))
    return "\n".join(out), keywords


def case_results(lang, args, body, captions_path):
    """<div class="case-results" title="X.dvl"></div> becomes the table of
    the results of examples/X.dvl as `dorvel-cli calc --json` gives them."""
    captions = {}
    if os.path.exists(captions_path):
        for line in read(captions_path).splitlines():
            if "|" in line and not line.startswith("#"):
                en, pl = line.split("|", 1)
                captions[en.strip()] = pl.strip()

    def table(m):
        name = m.group(1)
        r = subprocess.run([args.cli, "calc", "--json", os.path.join(args.examples, name)],
                           capture_output=True, text=True)
        try:
            case = json.loads(r.stdout.splitlines()[0])
        except (IndexError, ValueError):
            fail(f"{lang}: dorvel-cli calc {name} gave no result")
            return ""
        rows = []
        for row in case.get("results", []):
            caption, unit = row["caption"], row["unit"]
            if lang == "pl":
                # "Volume flowrate (0 °C, 101.325 kPa)": the caption, then the
                # reference conditions as they stand.
                head, sep, tail = caption.partition(" (0")
                if head not in captions and caption not in captions:
                    # A row added to the results page shows in English
                    # until its Polish caption is written down.
                    print(f"manual: warning: {captions_path}: no Polish caption for {caption!r}",
                          file=sys.stderr)
                caption = captions[caption] if caption in captions else \
                    captions.get(head, head) + sep + tail
                unit = captions.get(unit, unit)
            rows.append(f"<tr><td>{html.escape(caption)}</td><td>{html.escape(row['text'])}</td>"
                        f"<td>{html.escape(unit)}</td></tr>")
        return (f'<p class="case"><code>dorvel-cli calc examples/{html.escape(name)}</code></p>'
                f'<table class="results">{"".join(rows)}</table>')

    return re.sub(r'<div class="case-results" title="([A-Za-z0-9_.-]+)"></div>', table, body)


def wrap(lang, page, prev, nxt, style_href):
    w = WORDS[lang]
    nav = [f'<a href="index.html">{w["contents"]}</a>']
    if prev:
        nav.append(f'<a href="{prev.name}">&larr; {html.escape(prev.title)}</a>')
    if nxt:
        nav.append(f'<a href="{nxt.name}">{html.escape(nxt.title)} &rarr;</a>')
    navbar = '<p class="nav">' + " &nbsp;|&nbsp; ".join(nav) + "</p>"
    return (f'<!DOCTYPE html>\n<html lang="{lang}"><head><meta charset="utf-8">'
            f"<title>{html.escape(page.title)}</title>"
            f'<link rel="stylesheet" href="{style_href}"></head><body>\n'
            f"{navbar}\n{page.body}\n{navbar}\n</body></html>\n")


def qhp(lang, pages, keywords):
    ns = f"org.dorvel.manual.{lang}"
    toc = []
    for p in pages:
        sub = "".join(f'<section title="{html.escape(t, True)}" ref="{p.name}#{a}"/>'
                      for a, t in p.sections())
        toc.append(f'<section title="{html.escape(p.title, True)}" ref="{p.name}">{sub}</section>')
    kws = "".join(f'<keyword name="{html.escape(n, True)}" ref="{html.escape(r, True)}"/>'
                  for n, r in keywords)
    files = "".join(f"<file>{p.name}</file>" for p in pages) + "<file>style.css</file>"
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<QtHelpProject version="1.0">'
            f"<namespace>{ns}</namespace><virtualFolder>doc</virtualFolder>"
            f'<filterSection><toc>{"".join(toc)}'
            f"</toc><keywords>{kws}</keywords><files>{files}</files>"
            f"</filterSection></QtHelpProject>\n")


def build_language(lang, args, fields, messages, topics):
    src = os.path.join(args.src, lang)
    order = [l.strip() for l in read(os.path.join(args.src, "contents.txt")).splitlines()
             if l.strip() and not l.startswith("#")]
    pages = []
    keywords = []
    for name in order:
        path = os.path.join(src, name)
        if not os.path.exists(path):
            fail(f"{lang}: {name} is in contents.txt but not in {src}")
            continue
        page = source_page(path, name)
        if name == "fields.html":
            page.body, kw = fields_page(lang, fields, os.path.join(src, "fields.txt"), page.body)
            keywords += [(n, f"{name}#{a}") for n, a in kw]
        elif name == "messages.html":
            page.body, kw = messages_page(lang, messages, os.path.join(src, "messages.txt"),
                                          page.body)
            keywords += [(n, f"{name}#{a}") for n, a in kw]
        page.body = case_results(lang, args, page.body, os.path.join(src, "captions.txt"))
        keywords += [(k, name) for k in page.keywords]
        keywords += [(t, f"{name}#{a}") for a, t in page.sections()]
        keywords += [(strip_tags(t), f"{name}#{a}") for a, t in
                     re.findall(r'<h3[^>]*\bid="([^"]+)"[^>]*>(.*?)</h3>', page.body, re.S)
                     if name not in ("fields.html", "messages.html")]
        pages.append(page)
    for f in os.listdir(src):
        if f.endswith(".html") and f not in order:
            fail(f"{lang}: {f} is not in contents.txt")

    by_name = {p.name: p for p in pages}
    ids = {p.name: p.ids() for p in pages}
    # Every topic number of the program has its page and anchor.
    for number, page, anchor in topics:
        if page not in by_name:
            fail(f"{lang}: help topic {number}: no page {page}")
        elif anchor and anchor not in ids[page]:
            fail(f"{lang}: help topic {number}: no anchor {anchor} in {page}")
    # Every link between pages lands.
    for p in pages:
        for href in re.findall(r'href="([^"]+)"', p.body):
            if re.match(r"[a-z]+:", href):
                continue
            target, _, anchor = href.partition("#")
            target = target or p.name
            if target not in by_name:
                fail(f"{lang}: {p.name} links to a missing page {href}")
            elif anchor and anchor not in ids[target]:
                fail(f"{lang}: {p.name} links to a missing anchor {href}")

    # Pages for Qt Help (in the help folder) and for the browsable manual.
    work = os.path.join(args.out, f".build-{lang}")
    shutil.rmtree(work, ignore_errors=True)
    html_dir = os.path.join(args.html, lang)
    shutil.rmtree(html_dir, ignore_errors=True)
    style = read(os.path.join(args.src, "style.css"))
    for i, p in enumerate(pages):
        prev = pages[i - 1] if i > 0 else None
        nxt = pages[i + 1] if i + 1 < len(pages) else None
        text = wrap(lang, p, prev, nxt, "style.css")
        write(os.path.join(work, p.name), text)
        write(os.path.join(html_dir, p.name), text)
    write(os.path.join(work, "style.css"), style)
    write(os.path.join(html_dir, "style.css"), style)
    write(os.path.join(work, f"dorvel-{lang}.qhp"), qhp(lang, pages, keywords))
    write(os.path.join(work, f"dorvel-{lang}.qhcp"),
          '<?xml version="1.0" encoding="UTF-8"?>\n<QHelpCollectionProject version="1.0">'
          f"<docFiles><generate><file><input>dorvel-{lang}.qhp</input>"
          f"<output>dorvel-{lang}.qch</output></file></generate>"
          f"<register><file>dorvel-{lang}.qch</file></register></docFiles>"
          "</QHelpCollectionProject>\n")
    shutil.copy(os.path.join(src, "popups.txt"), os.path.join(args.out, f"popups-{lang}.txt"))
    return work


def main():
    ap = argparse.ArgumentParser()
    for opt in ("src", "out", "html", "cli", "examples", "data-tool", "qhelpgenerator"):
        ap.add_argument("--" + opt, required=True)
    args = ap.parse_args()

    def run(*command):
        r = subprocess.run(command, capture_output=True, text=True)
        return r.returncode, r.stdout

    rc, out = run(args.cli, "fields", "--json")
    if rc != 0:
        sys.exit(f"manual: {args.cli} fields --json failed")
    fields = json.loads(out)
    rc, topics_text = run(args.data_tool, "topics")
    if rc != 0:
        sys.exit(f"manual: {args.data_tool} topics failed")
    rc, messages_text = run(args.data_tool, "messages")
    if rc != 0:
        sys.exit(f"manual: {args.data_tool} messages failed")
    topics = []
    for line in topics_text.splitlines():
        if line.strip():
            number, page, anchor = (line.split("\t") + ["", ""])[:3]
            topics.append((int(number), page, anchor))
    messages = []
    for line in messages_text.splitlines():
        if line.strip() and not line.startswith("#"):
            number, polish, english = line.split("\t")
            un = lambda s: s.replace("\\n", "\n").replace("\\t", "\t").replace("\\\\", "\\")
            messages.append((int(number), un(polish), un(english)))

    os.makedirs(args.out, exist_ok=True)
    works = [build_language(lang, args, fields, messages, topics) for lang in LANGS]
    if errors:
        for e in errors:
            print("manual: " + e, file=sys.stderr)
        sys.exit(1)
    for lang, work in zip(LANGS, works):
        r = subprocess.run([args.qhelpgenerator, f"dorvel-{lang}.qhcp", "-o", f"dorvel-{lang}.qhc"],
                           cwd=work, capture_output=True, text=True)
        if r.returncode != 0:
            print(r.stdout + r.stderr, file=sys.stderr)
            sys.exit(1)
        for f in (f"dorvel-{lang}.qhc", f"dorvel-{lang}.qch"):
            shutil.move(os.path.join(work, f), os.path.join(args.out, f))
        shutil.rmtree(work, ignore_errors=True)
        # The collection's own search index is made again from the new pages.
        shutil.rmtree(os.path.join(args.out, f".dorvel-{lang}"), ignore_errors=True)
    write(os.path.join(args.html, "index.html"),
          '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>Dorvel</title></head><body>'
          '<h1>Dorvel</h1><ul><li><a href="en/index.html">Manual (English)</a></li>'
          '<li><a href="pl/index.html">Instrukcja (polski)</a></li></ul></body></html>\n')


if __name__ == "__main__":
    main()
