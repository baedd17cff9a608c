#!/usr/bin/env python3
"""Drives rechner-skript as an outside test would and checks its output format."""
import atexit
import os
import shutil
import socket
import subprocess
import sys
import tempfile

TREIBER = sys.argv[1]


def lauf(eingabe):
    if isinstance(eingabe, str):
        eingabe = eingabe.encode()
    return subprocess.run([TREIBER], input=eingabe, capture_output=True,
                          check=True, timeout=30).stdout.decode()


FAELLE = [
    ("taste 1\ntaste 2\ntaste +\ntaste 5\ntaste =\nzeige\nrolle\n",
     "Panel2=17\nPanel34==\nPanel6=0\nPanel4=0\nEdit2=17,00\nZeittasten=110\n"
     "Rolle 4\n|12,00 €  |\n|+ 5,00 €  |\n|= 17,00 €  |\n||\n"),
    ("taste 5\ntaste /\ntaste 0\ntaste =\nzeige\n",
     "Fehler: Gleitkommadivision durch Null\n"
     "Panel2=0\nPanel34=\nPanel6=5\nPanel4=0\nEdit2=\nZeittasten=110\n"),
    ("taste Std-M\n", "gesperrt\n"),
    ("zahl 1234.5 2\n", "Anzeige=1234,5\nGruppiert=1.234,50\nWaehrung=1.234,50 €\nFest=1234,50\n"),
    ("zahl 0x1p-1 0\n", "Anzeige=0,5\nGruppiert=1\nWaehrung=1 €\nFest=0,50\n"),
    ("uhr 07.12.2026 22:40:15\ntaste Datum\nrolle\n",
     "Rolle 4\n||\n||\n|07.12.2026 22:40:15      |\n||\n"),
    ("setze OhneAnmeldungText 2\nzeichen 7\nfn 9\nsetze Abmelden1 1\nzeichen 7\nzeige\n",
     "Panel2=7\nPanel34=\nPanel6=0\nPanel4=0\nEdit2=\nZeittasten=110\n"),
    ("zahl abc 2\nzahl 1,5 2\nzahl 1 x\nzahl 1\n",
     "Unbekannt: zahl abc 2\nUnbekannt: zahl 1,5 2\nUnbekannt: zahl 1 x\nUnbekannt: zahl 1\n"),
    ("zahl inf 2\nzahl -nan 2\nzahl 1e400 2\nzahl -0x1p2000 0\nzahl 1e-400 2\n",
     "Unbekannt: zahl inf 2\nUnbekannt: zahl -nan 2\nFehler: Gleitkommaüberlauf\n"
     "Fehler: Gleitkommaüberlauf\nAnzeige=0\nGruppiert=0,00\nWaehrung=0,00 €\nFest=0,00\n"),
    ("zahl 1.7976931348623157e308 258\n",
     "Anzeige=1,79769313486232E308\nGruppiert=1,7976931E308\nWaehrung=1,7976931E308\n"
     "Fest=1,797693135E308\n"),
    ("quatsch da\n\ntaste ?\n", "Unbekannt: quatsch da\nUnbekannt: \nUnbekannt: taste ?\n"),
    ("setze RechnerModus 2\nzeichen 9\nzeichen Enter\nzeichen Backspace\nrolle\n",
     "Rolle 2\n|= 0,00  |\n||\n"),
    # 10^304 minutes: too many hours for the 32-bit sum, the display shows the time of day.
    ("taste 1\n" + "taste 0\n" * 304 + "taste M-Std\nzeige\n",
     "Fehler: Integerüberlauf\n"
     "Panel2=01,04\nPanel34=\nPanel6=0\nPanel4=0\nEdit2=\nZeittasten=001\n"),
]

# Roll files: saved and loaded again, text files, and the messages of a failed load or save,
# after which the roll is as it was.
ORDNER = tempfile.mkdtemp()
atexit.register(shutil.rmtree, ORDNER, True)
with open(os.path.join(ORDNER, "text.KRO"), "wb") as datei:
    datei.write("eins  \r\n\r\nzwei €\nletzte".encode("cp1252"))
with open(os.path.join(ORDNER, "kaputt.KRO"), "wb") as datei:
    datei.write(b"{\\rtf1 abgeschnitten\\par")
FAELLE += [
    (f"taste 1\ntaste 2\ntaste +\ntaste 5\ntaste =\nspeichern {ORDNER}/Montag.KRO\n"
     f"laden {ORDNER}/text.KRO\nrolle\nladen {ORDNER}/Montag.KRO\nrolle\n",
     "Rolle 4\n|eins  |\n||\n|zwei €|\n|letzte|\n"
     "Rolle 4\n|12,00 €  |\n|+ 5,00 €  |\n|= 17,00 €  |\n||\n"),
    (f"taste 1\ntaste +\nladen {ORDNER}/fehlt.KRO\nladen {ORDNER}/kaputt.KRO\nrolle\n",
     "Fehler: Fehler beim Laden der Datei!\nFehler: Fehler beim Laden der Datei!\n"
     "Rolle 1\n|1,00 €  |\n"),
    (f"speichern {ORDNER}/fehlt/Montag.KRO\nspeichern {ORDNER}\n",
     "Fehler: Fehler beim Speichern der Datei!\nFehler: Fehler beim Speichern der Datei!\n"),
    (f"taste 3\ntaste +\nspeichern {ORDNER}/mit  Blanks.KRO\nladen {ORDNER}/mit  Blanks.KRO\n"
     "rolle\n",
     "Rolle 1\n|3,00 €  |\n"),
]

# What is no regular file is refused at once, whether a pipe has a writer or not, and the roll
# stays; nothing is written into it either.
os.mkfifo(os.path.join(ORDNER, "rohr.KRO"))
os.mkfifo(os.path.join(ORDNER, "schreiber.KRO"))
SCHREIBER = os.open(os.path.join(ORDNER, "schreiber.KRO"), os.O_RDWR)
SOCKEL = socket.socket(socket.AF_UNIX)
SOCKEL.bind(os.path.join(ORDNER, "sockel.KRO"))
os.mkdir(os.path.join(ORDNER, "ordner.KRO"))
FAELLE += [
    ("taste 1\ntaste +\n" + "".join(f"laden {ORDNER}/{name}.KRO\n" for name in
                                    ("rohr", "schreiber", "sockel", "ordner")) +
     f"speichern {ORDNER}/rohr.KRO\nrolle\n",
     "Fehler: Fehler beim Laden der Datei!\n" * 4 + "Fehler: Fehler beim Speichern der Datei!\n"
     "Rolle 1\n|1,00 €  |\n"),
]

# A name that is no UTF-8 cannot be represented: the driver says so and neither reads that file
# nor writes one of another name.
with open(os.path.join(ORDNER.encode(), b"K\xe4se2.KRO"), "wb") as datei:
    datei.write(b"fremd")
NAMEN_VORHER = sorted(os.listdir(ORDNER.encode()))
FAELLE += [
    (b"taste 1\ntaste +\nspeichern " + ORDNER.encode() + b"/K\xe4se.KRO\nladen " +
     ORDNER.encode() + b"/K\xe4se2.KRO\nrolle\n",
     f"Fehler: Dateiname {ORDNER}/K\ufffdse.KRO kann nicht dargestellt werden\n"
     f"Fehler: Dateiname {ORDNER}/K\ufffdse2.KRO kann nicht dargestellt werden\n"
     "Rolle 1\n|1,00 €  |\n"),
]

fehler = 0
for eingabe, erwartet in FAELLE:
    erhalten = lauf(eingabe)
    if erhalten != erwartet:
        fehler += 1
        print(f"FALSCH für {eingabe!r}:\n erwartet {erwartet!r}\n erhalten {erhalten!r}")
NAMEN = sorted(NAMEN_VORHER + [b"Montag.KRO", b"mit  Blanks.KRO"])
if sorted(os.listdir(ORDNER.encode())) != NAMEN:
    fehler += 1
    print(f"FALSCH: Einträge {sorted(os.listdir(ORDNER.encode()))!r} statt {NAMEN!r}")
for name in ("rohr", "schreiber"):
    if not os.path.exists(os.path.join(ORDNER, name + ".KRO")) or \
            os.path.isfile(os.path.join(ORDNER, name + ".KRO")):
        fehler += 1
        print(f"FALSCH: {name}.KRO ersetzt")
print(f"{len(FAELLE) - fehler} passed, {fehler} failed")
sys.exit(1 if fehler else 0)
