#!/usr/bin/env python3
"""The driver's "drucken": the report of the main roll as PDF, read back with pdftotext."""
import os
import subprocess
import sys
import tempfile

TREIBER = sys.argv[1]


def lauf(eingabe):
    umgebung = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([TREIBER], input=eingabe.encode(), capture_output=True, check=True,
                          timeout=120, env=umgebung).stdout.decode()


def seiten(pdf):
    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, check=True).stdout.decode()
    return [[z for z in s.split("\n") if z.strip()] for s in text.split("\f") if s.strip()]


fehler = []
with tempfile.TemporaryDirectory() as ordner:
    pdf = os.path.join(ordner, "rolle.pdf")
    tasten = "".join(f"taste {i % 10}\ntaste +\n" for i in range(1, 150)) + "taste =\n"
    kopf = ("setze Firmenname Bäckerei Müller\nuhr 07.12.2026 22:40:15\n"
            "setze Rollenname Montag.KRO\n")
    ausgabe = lauf(kopf + tasten + f"drucken {pdf}\nrolle\n")
    rolle = [z[1:-1].strip() for z in ausgabe.splitlines()[1:]]
    gedruckt = seiten(pdf)
    titel = ["Erstellt am:", "07.12.2026 22:40:15", "Bäckerei Müller", "Registrierrolle Montag.KRO"]
    if len(gedruckt) < 3:
        fehler.append(f"{len(gedruckt)} Seiten statt mindestens 3")
    if gedruckt and gedruckt[0][:4] != titel:
        fehler.append(f"Titelblock: {gedruckt[0][:4]!r}")
    zeilen = []
    for n, seite in enumerate(gedruckt, 1):
        if seite[-1] != f"Seite{n}":
            fehler.append(f"Fuß von Seite {n}: {seite[-1]!r}")
        zeilen += seite[4 if n == 1 else 0:-1]
        if n > 1 and any(t in seite for t in titel):
            fehler.append(f"Titel auf Seite {n}")
    if zeilen != [z for z in rolle if z]:
        fehler.append("Rollenzeilen weichen ab")

    falsch = os.path.join(ordner, "fehlt", "rolle.pdf")
    ausgabe = lauf(f"drucken {falsch}\ntaste 7\nzeige\n")
    erwartet = f"Fehler: Datei {falsch} kann nicht erstellt werden\nPanel2=7\n"
    if not ausgabe.startswith(erwartet):
        fehler.append(f"Pfad ohne Ordner: {ausgabe!r}")

for f in fehler:
    print("FALSCH:", f)
print("ok" if not fehler else f"{len(fehler)} Fehler")
sys.exit(1 if fehler else 0)
