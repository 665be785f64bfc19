#!/usr/bin/env python3
"""A weather feed on 127.0.0.1 for trying the bar: every GET is answered 200 with one document.

The port (0 = any free one) is printed on the first line of standard output as "PORT <number>".
"""

import argparse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--document", required=True, help="serve this file for every request")
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()

    class FeedHandler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            with open(args.document, "rb") as document:
                body = document.read()
            self.send_response(200)
            self.send_header("Content-Type", "text/xml")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    server = ThreadingHTTPServer(("127.0.0.1", args.port), FeedHandler)
    server.daemon_threads = True
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
