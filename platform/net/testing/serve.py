#!/usr/bin/python3
"""Servers for the network tests, on 127.0.0.1 and a free port.

    serve.py ftp ROOT [--drop-after N] [--stall-after N] [--user U --password P]
    serve.py http ROOT
    serve.py mute

Prints the port on the first line of standard output, then serves until its
standard input is closed (so a crashed test leaves no server behind).
  --drop-after N   close the control and data connections once N bytes of an
                   upload have arrived (the partial file stays, as on a real
                   server whose connection breaks)
  --active-only    refuse passive mode, so that only active mode works
  --stall-after N  stop reading an upload after N bytes, keeping the
                   connections open (a server that went silent)
  mute             accept connections and never answer
"""
import argparse
import logging
import os
import socket
import sys
import threading


def watch_stdin():
    def run():
        try:
            sys.stdin.read()
        finally:
            os._exit(0)
    threading.Thread(target=run, daemon=True).start()


def announce(port):
    sys.stdout.write("%d\n" % port)
    sys.stdout.flush()


def serve_ftp(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler, DTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class TestDTP(DTPHandler):
        def handle_read(self):
            DTPHandler.handle_read(self)
            received = self.tot_bytes_received
            if args.drop_after is not None and received >= args.drop_after:
                self._resp = None
                cmd = self.cmd_channel
                self.close()
                cmd.close()
            elif args.stall_after is not None and received >= args.stall_after:
                # No longer polled: the data stays unread and the client's
                # sending stalls once the socket buffers are full.
                self.ioloop.unregister(self._fileno)

        handle_read_event = handle_read

    class Handler(FTPHandler):
        if args.active_only:
            def ftp_PASV(self, line):
                self.respond("502 Passive mode not allowed here.")

            def ftp_EPSV(self, line):
                self.respond("502 Passive mode not allowed here.")

    Handler.authorizer = authorizer
    Handler.dtp_handler = TestDTP
    Handler.banner = "test server ready"
    server = FTPServer(("127.0.0.1", 0), Handler)
    announce(server.socket.getsockname()[1])
    watch_stdin()
    server.serve_forever()


def serve_http(args):
    import functools
    import http.server

    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *a):
            pass

    handler = functools.partial(Quiet, directory=args.root)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    announce(server.server_address[1])
    watch_stdin()
    server.serve_forever()


def serve_mute(args):
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    s.listen(16)
    announce(s.getsockname()[1])
    watch_stdin()
    held = []
    while True:
        conn, _ = s.accept()
        held.append(conn)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("mode", choices=["ftp", "http", "mute"])
    p.add_argument("root", nargs="?", default=".")
    p.add_argument("--drop-after", type=int)
    p.add_argument("--stall-after", type=int)
    p.add_argument("--active-only", action="store_true")
    p.add_argument("--user", default="user")
    p.add_argument("--password", default="secret")
    args = p.parse_args()
    {"ftp": serve_ftp, "http": serve_http, "mute": serve_mute}[args.mode](args)


if __name__ == "__main__":
    main()
