#!/usr/bin/env python3
"""A small XOAP-style weather feed on 127.0.0.1 for the tests and for trying the bar.

Every GET under /weather/local/ is answered from the control folder (--dir), read afresh for
each request so a test can change the answer between fetches:
  status    the HTTP status (default 200)
  body      the response body (default empty)
  mode      "answer" (default), "hang" (never answer) or "close" (drop the connection)
With --document FILE the body comes from that file instead (status 200).
Each request line is appended to <dir>/requests.log. The port (0 = any free one) is printed
on the first line of standard output as "PORT <number>".
"""

import argparse
import os
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def read_text(folder, name, default):
    try:
        with open(os.path.join(folder, name), "r", encoding="ascii") as f:
            return f.read().strip() or default
    except OSError:
        return default


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return b""


class FeedHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TolvaneTestFeed/1.0"

    def log_message(self, format, *args):
        pass

    def record(self):
        folder = self.server.control_dir
        if folder:
            with self.server.log_lock, open(os.path.join(folder, "requests.log"), "a",
                                            encoding="latin-1") as log:
                log.write(self.requestline + "\n")
                log.flush()

    def do_GET(self):
        self.record()
        folder = self.server.control_dir
        if not self.path.startswith("/weather/local/"):
            self.answer(404, b"<error><err type=\"0\">Invalid location provided</err></error>\n")
            return
        mode = read_text(folder, "mode", "answer") if folder else "answer"
        if mode == "hang":
            self.server.stop_event.wait(120)
            self.close_connection = True
            return
        if mode == "close":
            self.close_connection = True
            return
        if self.server.document:
            self.answer(200, read_bytes(self.server.document))
            return
        status = int(read_text(folder, "status", "200"))
        self.answer(status, read_bytes(os.path.join(folder, "body")))

    def answer(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", default="", help="control folder (status, body, mode, log)")
    parser.add_argument("--document", default="", help="serve this file for every location")
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()
    if not args.dir and not args.document:
        parser.error("give --dir or --document")

    server = ThreadingHTTPServer(("127.0.0.1", args.port), FeedHandler)
    server.daemon_threads = True
    server.control_dir = args.dir
    server.document = args.document
    server.log_lock = threading.Lock()
    server.stop_event = threading.Event()
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.stop_event.set()
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
