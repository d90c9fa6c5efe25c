#!/usr/bin/env python3
"""Writes FOLDER/index.html for the run command's tour: per program, each view in a
row, its English picture beside its Japanese one, each under the window's title.

    tools/tour-index.py FOLDER

FOLDER holds PROGRAM/LANGUAGE/shots.tsv (NAME, TITLE, FILE per line) and the pictures.
"""
import html
import sys
from pathlib import Path

LANGUAGES = [("en", "English"), ("ja", "日本語")]


def read_shots(folder):
    listing = folder / "shots.tsv"
    if not listing.exists():
        return []
    rows = []
    for line in listing.read_text(encoding="utf-8").splitlines():
        parts = line.split("\t")
        if len(parts) == 3:
            rows.append(parts)
    return rows


def cell(program, language, shot):
    if shot is None:
        return "<td>(not shown)</td>"
    _, title, file = shot
    src = html.escape(f"{program}/{language}/{file}")
    return (f'<td><div class="title">{html.escape(title)}</div>'
            f'<a href="{src}"><img src="{src}" alt="{html.escape(title)}"></a></td>')


def keyed(rows):
    """The shots by (name, how many of that name came before), so that both
    languages' pictures of a view meet even when one tour showed less."""
    seen = {}
    result = {}
    for row in rows:
        key = (row[0], seen.get(row[0], 0))
        seen[row[0]] = key[1] + 1
        result[key] = row
    return result


def program_section(root, program):
    shots = {code: keyed(read_shots(root / program / code)) for code, _ in LANGUAGES}
    views = []
    for rows in shots.values():
        views += [key for key in rows if key not in views]
    head = "".join(f"<th>{name}</th>" for _, name in LANGUAGES)
    body = []
    for key in views:
        cells = "".join(cell(program, code, rows.get(key)) for code, rows in shots.items())
        body.append(f"<tr><th>{html.escape(key[0])}</th>{cells}</tr>")
    return (f"<h2>{html.escape(program)}</h2>\n<table><tr><th></th>{head}</tr>\n"
            + "\n".join(body) + "\n</table>")


def main():
    root = Path(sys.argv[1])
    programs = sorted(p.name for p in root.iterdir() if p.is_dir())
    sections = "\n".join(program_section(root, p) for p in programs)
    page = f"""<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Tarvell: the tour</title>
<style>
body {{ font-family: sans-serif; }}
td, th {{ vertical-align: top; padding: 6px; text-align: left; }}
.title {{ font-weight: bold; margin-bottom: 4px; }}
img {{ max-width: 560px; border: 1px solid #ccc; }}
</style></head><body>
<h1>Tarvell: every window, English beside Japanese</h1>
{sections}
</body></html>
"""
    (root / "index.html").write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
