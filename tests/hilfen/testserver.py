#!/usr/bin/env python3
"""Serves a folder over HTTP on 127.0.0.1 at a free port and prints the port on one line.

A file NAME.fehler beside a requested NAME makes the server answer with status 404 and that
file's content as the error page. A file NAME.antwort scripts the whole answer: its first line
is the status, optionally followed by the announced length ("-" announces none) and the word
"haengt", the rest is the body; the connection closes after the body, so a body shorter than
announced arrives cut, unless the answer "haengt": then it stays open until the client goes.

Commands on standard input, one a line, each followed by its number and confirmed by printing
the line back once it is carried out: "aus" makes the server close every connection at once
without an answer, as a server that is gone gives none (the port stays taken, so that nobody
else can take it meanwhile); "an" makes it answer again.
The server ends when its standard input closes, so it never outlives the test program.
"""
import functools
import http.server
import os
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        pfad = self.translate_path(self.path)
        if os.path.isfile(pfad + ".fehler"):
            with open(pfad + ".fehler", "rb") as datei:
                inhalt = datei.read()
            self.send_response(404)
            self.send_header("Content-Length", str(len(inhalt)))
            self.end_headers()
            self.wfile.write(inhalt)
            return
        if os.path.isfile(pfad + ".antwort"):
            with open(pfad + ".antwort", "rb") as datei:
                kopf, _, inhalt = datei.read().partition(b"\n")
            felder = kopf.decode().split()
            self.send_response_only(int(felder[0]))
            laenge = felder[1] if len(felder) > 1 else str(len(inhalt))
            if laenge != "-":
                self.send_header("Content-Length", laenge)
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(inhalt)
            self.wfile.flush()
            if "haengt" in felder[2:]:
                self.rfile.read()
            self.close_connection = True
            return
        super().do_GET()

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    aus = False

    def verify_request(self, request, client_address):
        return not self.aus


server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
threading.Thread(target=server.serve_forever, args=(0.05,), daemon=True).start()
print(server.server_address[1], flush=True)
for zeile in sys.stdin:
    worte = zeile.split()
    server.aus = bool(worte) and worte[0] == "aus"
    print(" ".join(worte), flush=True)
server.shutdown()
