#!/usr/bin/env python3
"""Drives rechner-skript as an outside test would and checks its output format."""
import subprocess
import sys

TREIBER = sys.argv[1]


def lauf(eingabe):
    return subprocess.run([TREIBER], input=eingabe.encode(), capture_output=True,
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
    ("quatsch da\n\ntaste ?\n", "Unbekannt: quatsch da\nUnbekannt: \nUnbekannt: taste ?\n"),
    ("setze RechnerModus 2\nzeichen 9\nzeichen Enter\nzeichen Backspace\nrolle\n",
     "Rolle 2\n|= 0,00  |\n||\n"),
]

fehler = 0
for eingabe, erwartet in FAELLE:
    erhalten = lauf(eingabe)
    if erhalten != erwartet:
        fehler += 1
        print(f"FALSCH für {eingabe!r}:\n erwartet {erwartet!r}\n erhalten {erhalten!r}")
print(f"{len(FAELLE) - fehler} passed, {fehler} failed")
sys.exit(1 if fehler else 0)
