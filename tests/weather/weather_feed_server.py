#!/usr/bin/env python3
"""A small XOAP-style weather feed on 127.0.0.1 for the tests and for trying the bar.

Every GET is answered from the control folder (--dir), read afresh for each request:
  location  when set, a request whose path does not start with /moved/ is redirected there
            (302) instead
  status    the HTTP status (default 200)
  body      the response body (default empty)
  mode      "answer" (default), "hang" (never answer), "close" (drop the connection),
            "dribble" (a status line, then one byte of a header that never ends per second) or
            "flood" (the same header sent as fast as the client takes it, up to 256 MB, then a
            byte every 0.1 s); when the client goes, "closed <bytes sent>" is appended to
            <dir>/closed.log
and its request line is appended to <dir>/requests.log. With --document FILE every GET is
answered 200 with that file instead. The port (0 = any free one) is printed on the first line
of standard output as "PORT <number>".
"""

import argparse
import os
import socket
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

FLOOD_LIMIT = 256 * 1024 * 1024


def read(path, default=b""):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return default


class FeedHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        folder = self.server.control_dir
        if self.server.document:
            self.answer(200, read(self.server.document))
            return
        with self.server.log_lock, open(os.path.join(folder, "requests.log"), "a",
                                            encoding="latin-1") as log:
            log.write(self.requestline + "\n")
        mode = read(os.path.join(folder, "mode"), b"answer").strip()
        if mode == b"hang":
            self.server.stopping.wait(120)
        if mode == b"dribble":
            self.flood(folder, 0, 1.0)
        if mode == b"flood":
            self.flood(folder, FLOOD_LIMIT, 0.1)
        if mode != b"answer":
            self.close_connection = True
            return
        location = read(os.path.join(folder, "location")).strip()
        if location and not self.path.startswith("/moved/"):
            self.send_response(302)
            self.send_header("Location", location.decode("latin-1"))
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        status = int(read(os.path.join(folder, "status"), b"200").strip() or 200)
        self.answer(status, read(os.path.join(folder, "body")))

    def flood(self, folder, limit, pause):
        sent = 0
        chunk = b"a" * 65536
        self.connection.settimeout(0.1)
        try:
            self.connection.sendall(b"HTTP/1.1 200 OK\r\nX-Padding: ")
            while not self.server.stopping.is_set():
                try:
                    if sent < limit:
                        sent += self.connection.send(chunk)
                    else:
                        sent += self.connection.send(b"a")
                        self.server.stopping.wait(pause)
                except socket.timeout:
                    pass  # the client is not reading now; it may later, or go
        except OSError:
            with self.server.log_lock, open(os.path.join(folder, "closed.log"), "a") as log:
                log.write("closed %d\n" % sent)

    def answer(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", help="control folder (status, body, mode, log)")
    parser.add_argument("--document", help="serve this file for every request")
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()
    if not args.dir and not args.document:
        parser.error("give --dir or --document")

    server = ThreadingHTTPServer(("127.0.0.1", args.port), FeedHandler)
    server.daemon_threads = True
    server.control_dir = args.dir
    server.document = args.document
    server.log_lock = threading.Lock()
    server.stopping = threading.Event()
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.stopping.set()
        server.server_close()


if __name__ == "__main__":
    main()
