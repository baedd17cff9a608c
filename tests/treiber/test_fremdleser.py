#!/usr/bin/env python3
"""Another program reads our roll files as the same lines: rechner-skript loads a text roll and
saves it as a roll file, and unrtf (Debian's small RTF reader) turns that into HTML, one line
per paragraph. unrtf shows a TAB as a run of blanks, so the lines here hold none."""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

TREIBER = sys.argv[1]

ROLLEN = {
    "Rechnung": ["12,00 €  ", "+ 5,00 €  ", "= 17,00 €  ", "", "", "      07.12.2026 22:40:15      ",
                 "ANGEMELDET  ", "------------------------------  ", "Gesamtumsatz: 17,00   €", ""],
    "Blanks": [" ", "  ", "a  b   c", " führend", "hinten ", "", "", ""],
    "Zeichen": ["<b>&amp; \"x\" 'y'", "{}\\ \\par \\'80 \\u8364?", "1", "-5", "x" * 300,
                "".join(chr(c) for c in range(0x20, 0x7F)),
                "".join(chr(c) for c in range(0xA0, 0x100)),
                "€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ"],
    "Leer": [],
}


def unrtf_zeilen(pfad):
    """The paragraphs of unrtf's HTML: tags dropped but the line breaks, entities decoded."""
    ausgabe = subprocess.run(["unrtf", "--html", pfad], capture_output=True, check=True,
                             timeout=30).stdout.decode("utf-8")
    rumpf = ausgabe[ausgabe.index("<body>") + len("<body>"):ausgabe.index("</body>")]
    rumpf = re.sub(r"<(?!br>)[^>]*>", "", rumpf.replace("\n", ""))
    teile = rumpf.split("<br>")
    if teile[-1] != "":
        return ["<Text nach dem letzten Absatz: " + teile[-1] + ">"]
    return [html.unescape(t) for t in teile[:-1]]


def main():
    if shutil.which("unrtf") is None:
        print("unrtf fehlt: scripts/deps installiert es")
        print("0 passed, 1 failed")
        return 1
    ordner = tempfile.mkdtemp()
    try:
        fehler = 0
        for name, zeilen in ROLLEN.items():
            text = os.path.join(ordner, name + ".txt")
            rolle = os.path.join(ordner, name + ".KRO")
            with open(text, "wb") as datei:
                datei.write("".join(z + "\r\n" for z in zeilen).encode("cp1252"))
            ausgabe = subprocess.run([TREIBER], input=f"laden {text}\nspeichern {rolle}\n".encode(),
                                     capture_output=True, check=True, timeout=30).stdout
            gelesen = unrtf_zeilen(rolle)
            if ausgabe or gelesen != zeilen:
                fehler += 1
                print(f"FALSCH für {name}:\n erwartet {zeilen!r}\n erhalten {gelesen!r} {ausgabe!r}")
        print(f"{len(ROLLEN) - fehler} passed, {fehler} failed")
        return 1 if fehler else 0
    finally:
        shutil.rmtree(ordner, True)


sys.exit(main())
