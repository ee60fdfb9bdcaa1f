#!/usr/bin/python3
"""Servers for the network tests, on 127.0.0.1 and a free port.

    serve.py ftp ROOT [--drop-after N] [--stall-after N] [--user U --password P]
    serve.py http ROOT [--trickle SECONDS [--only NAME ...]] [--no-length]
                       [--endless NAME] [--cut-after N] [--log FILE]
                       [--alias PATTERN=NAME ...]
    serve.py mute

Prints the port on the first line of standard output, then serves until its
standard input is closed (so a crashed test leaves no server behind).
  --drop-after N   close the control and data connections once N bytes of an
                   upload have arrived (the partial file stays, as on a real
                   server whose connection breaks)
  --active-only    refuse passive mode, so that only active mode works
  --stall-after N  stop reading an upload after N bytes, keeping the
                   connections open (a server that went silent)
  --passive-only   refuse active mode (PORT, EPRT), as a server whose clients
                   sit behind a router
  --no-rename-over refuse a rename onto a name that exists
  --refuse-nlst    answer every name listing with 550
  --max-name N     answer 553 to a store, rename or removal of a name longer
                   than N characters (a server with short names)
  --refuse-stor PATTERN
                   answer a store of a name matching the pattern with 553
  --refuse-rnto PATTERN
                   answer a rename onto a name matching the pattern with 553
  --drop-at-rnto PATTERN
                   the first rename onto a name matching the pattern is done,
                   then the control connection closes before the reply
  --drop-before PATTERN
                   close the control connection instead of carrying out the
                   command whose line (as logged) matches the pattern for the
                   --drop-count-th time (the first unless given)
  --full-after N   answer 552 (disk full) once N bytes of an upload have
                   arrived, closing the data connection (0: before any data)
  --disk-full-after N
                   a disk with room for N bytes more: once the stores have
                   written that many, the server's writes fail as on a full
                   disk and the server answers as it does then (it closes
                   the data connection and replies 426)
  --fail-after N   answer --fail-code once N bytes of an upload have arrived
                   (0: at its first bytes), after the 150 that opened it, and
                   close the data connection, as a server whose disk or quota
                   fills, or that refuses the file late
  --fail-code C    the code of --fail-after (552 unless given)
  --fail-only PATTERN
                   --fail-after only for stores of names matching the pattern
  --throttle N     read uploads at N bytes a second at most
  --reply-delay S  answer every command S seconds late (a slow server, so
                   that a client's abort can land at any step)
  --huge-listing N a name listing of N bytes of made-up names
  --huge-reply N   a greeting of N bytes (a reply that never ends)
  --log FILE       append every command received to FILE (the password
                   left out)
  --trickle S      (http) send a file's body one byte at a time, S seconds
                   apart, after headers that announce its whole length
  --only NAME      (http) only the files named so are trickled (repeatable)
  --no-length      (http) send bodies without Content-Length, ended only by
                   closing the connection
  --cut-after N    (http, with --no-length) close the connection after N
                   bytes of the body, as a server that broke off would
  --endless NAME   (http) answer the file NAME with lines that never end
                   (no length, no chunks), for the size bounds of clients
  --log FILE       (http) append the name of every file asked for to FILE
  --alias PATTERN=NAME
                   (http) answer every file whose name matches PATTERN and
                   that is not there with the file NAME (repeatable): a
                   server that makes up whatever is asked of it
  mute             accept connections and never answer
"""
import argparse
import errno
import fnmatch
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
    from pyftpdlib.filesystems import AbstractedFS
    from pyftpdlib.handlers import FTPHandler, DTPHandler, ThrottledDTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    Base = DTPHandler
    if args.throttle:
        Base = ThrottledDTPHandler
        Base.read_limit = args.throttle

    class TestDTP(Base):
        def handle_read(self):
            Base.handle_read(self)
            received = self.tot_bytes_received
            failing = args.fail_after is not None and received >= max(args.fail_after, 1) and (
                not args.fail_only or fnmatch.fnmatch(os.path.basename(self.file_obj.name), args.fail_only))
            if args.drop_after is not None and received >= args.drop_after:
                self._resp = None
                cmd = self.cmd_channel
                self.close()
                cmd.close()
            elif args.full_after is not None and received >= args.full_after:
                # The reply first, then the data connection closes: the
                # client learns why its sending broke off.
                self.cmd_channel.respond("552 Requested file action aborted: disk full.")
                self._resp = None
                self.close()
            elif failing:
                self.cmd_channel.respond("%d Requested file action aborted." % args.fail_code)
                self._resp = None
                self.close()
            elif args.stall_after is not None and received >= args.stall_after:
                # No longer polled: the data stays unread and the client's
                # sending stalls once the socket buffers are full.
                self.ioloop.unregister(self._fileno)

        handle_read_event = handle_read

    room = {"left": args.disk_full_after}

    class FillingFile:
        """A file on a disk that fills: a write beyond the room left fails
        as the system's write does then."""
        def __init__(self, f):
            self._f = f

        def write(self, data):
            if len(data) > room["left"]:
                self._f.write(data[:room["left"]])
                room["left"] = 0
                raise OSError(errno.ENOSPC, os.strerror(errno.ENOSPC))
            room["left"] -= len(data)
            return self._f.write(data)

        def __getattr__(self, name):
            return getattr(self._f, name)

    class FillingFS(AbstractedFS):
        def open(self, filename, mode):
            f = AbstractedFS.open(self, filename, mode)
            return FillingFile(f) if "w" in mode or "a" in mode else f

    class Names:
        """A made-up listing, produced as it is sent."""
        def __init__(self, size):
            self.left = size

        def more(self):
            if self.left <= 0:
                return b""
            chunk = (b"n%07d.html\r\n" * 4096)[:min(self.left, 65536)]
            self.left -= len(chunk)
            return chunk

    class Repeat:
        """One line over and over, N bytes in all."""
        def __init__(self, line, size):
            self.line, self.left = line, size

        def more(self):
            if self.left <= 0:
                return b""
            self.left -= 64 * len(self.line)
            return self.line * 64

    drop_before = {"left": args.drop_count}

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            if args.log:
                with open(args.log, "a") as f:
                    f.write((cmd if cmd == "PASS" else line) + "\n")
            if args.drop_before and fnmatch.fnmatch(line, args.drop_before):
                drop_before["left"] -= 1
                if drop_before["left"] == 0:
                    self.close()
                    return
            if (args.max_name is not None and cmd in ("STOR", "APPE", "RNFR", "RNTO", "DELE")
                    and len(arg.rstrip("/").rsplit("/", 1)[-1]) > args.max_name):
                self.respond("553 File name too long.")
                return
            if args.reply_delay:
                self.ioloop.call_later(args.reply_delay, self.delayed, line, cmd, arg)
                return
            FTPHandler.pre_process_command(self, line, cmd, arg)

        def delayed(self, line, cmd, arg):
            if self.connected:
                FTPHandler.pre_process_command(self, line, cmd, arg)

        def handle(self):
            if args.huge_reply:
                self.push_with_producer(Repeat(b"220-" + b"x" * 1020 + b"\r\n", args.huge_reply))
                return
            FTPHandler.handle(self)

        if args.active_only:
            def ftp_PASV(self, line):
                self.respond("502 Passive mode not allowed here.")

            def ftp_EPSV(self, line):
                self.respond("502 Passive mode not allowed here.")

        if args.passive_only:
            def ftp_PORT(self, line):
                self.respond("502 Active mode not allowed here.")

            def ftp_EPRT(self, line):
                self.respond("502 Active mode not allowed here.")

        if args.no_rename_over:
            def ftp_RNTO(self, path):
                if os.path.lexists(path):
                    self._rnfr = None
                    self.respond("550 Target exists.")
                    return
                return FTPHandler.ftp_RNTO(self, path)

        if args.refuse_rnto:
            def ftp_RNTO(self, path, _next=ftp_RNTO if args.no_rename_over else FTPHandler.ftp_RNTO):
                if fnmatch.fnmatch(os.path.basename(path), args.refuse_rnto):
                    self._rnfr = None
                    self.respond("553 File name not allowed.")
                    return
                return _next(self, path)

        if args.drop_at_rnto:
            dropped = {"done": False}

            def ftp_RNTO(self, path, _next=locals().get("ftp_RNTO", FTPHandler.ftp_RNTO), dropped=dropped):
                # The rename is done, then the connection breaks before the
                # reply: the client cannot tell whether it went through.
                if not dropped["done"] and fnmatch.fnmatch(os.path.basename(path), args.drop_at_rnto):
                    dropped["done"] = True
                    source, self._rnfr = self._rnfr, None
                    self.run_as_current_user(self.fs.rename, source, path)
                    self.close()
                    return
                return _next(self, path)

        if args.refuse_nlst:
            def ftp_NLST(self, path):
                self.respond("550 Listing not allowed.")

        if args.huge_listing is not None:
            def ftp_NLST(self, path):
                self.push_dtp_data(Names(args.huge_listing), isproducer=True, cmd="NLST")
                return path

        def ftp_STOR(self, file, mode="w"):
            if args.refuse_stor and fnmatch.fnmatch(os.path.basename(file), args.refuse_stor):
                self.respond("553 File name not allowed.")
                return
            if args.full_after == 0:
                self.respond("552 Requested file action aborted: disk full.")
                return
            return FTPHandler.ftp_STOR(self, file, mode)

    Handler.authorizer = authorizer
    if args.disk_full_after is not None:
        Handler.abstracted_fs = FillingFS
    Handler.dtp_handler = TestDTP
    Handler.banner = "test server ready"
    server = FTPServer(("127.0.0.1", 0), Handler)
    announce(server.socket.getsockname()[1])
    watch_stdin()
    server.serve_forever()


def serve_http(args):
    import functools
    import http.server
    import time

    class Handler(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *a):
            pass

        def name(self):
            return self.path.split("?", 1)[0].lstrip("/")

        def do_GET(self):
            name = self.name()
            if args.log:
                with open(args.log, "a") as f:
                    f.write(name + "\n")
            if not os.path.exists(os.path.join(args.root, name)):
                for alias in args.alias:
                    pattern, _, target = alias.partition("=")
                    if fnmatch.fnmatch(name, pattern):
                        self.path = "/" + target
                        name = target
                        break
            if args.endless and name == args.endless:
                self.close_connection = True
                self.send_response(200)
                self.send_header("Content-Type", "application/octet-stream")
                self.end_headers()
                line = b"Zzz <b>" + b"x" * 1000 + b"</b>\r\n"
                try:
                    while True:
                        self.wfile.write(line * 64)
                except OSError:
                    return
            trickled = args.trickle is not None and (not args.only or name in args.only)
            if not (trickled or args.no_length):
                return http.server.SimpleHTTPRequestHandler.do_GET(self)
            path = os.path.join(args.root, name)
            try:
                with open(path, "rb") as f:
                    body = f.read()
            except OSError:
                self.send_error(404)
                return
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            if args.no_length:
                self.close_connection = True
                if args.cut_after is not None:
                    body = body[:args.cut_after]
            else:
                self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            try:
                if trickled:
                    for i in range(len(body)):
                        self.wfile.write(body[i:i + 1])
                        self.wfile.flush()
                        time.sleep(args.trickle)
                else:
                    self.wfile.write(body)
            except OSError:
                pass

    if args.no_length:
        Handler.protocol_version = "HTTP/1.0"
    handler = functools.partial(Handler, directory=args.root)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
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
    p.add_argument("--passive-only", action="store_true")
    p.add_argument("--no-rename-over", action="store_true")
    p.add_argument("--refuse-nlst", action="store_true")
    p.add_argument("--max-name", type=int)
    p.add_argument("--refuse-stor")
    p.add_argument("--refuse-rnto")
    p.add_argument("--drop-at-rnto")
    p.add_argument("--drop-before")
    p.add_argument("--drop-count", type=int, default=1)
    p.add_argument("--full-after", type=int)
    p.add_argument("--disk-full-after", type=int)
    p.add_argument("--fail-after", type=int)
    p.add_argument("--fail-code", type=int, default=552)
    p.add_argument("--fail-only")
    p.add_argument("--throttle", type=int)
    p.add_argument("--reply-delay", type=float)
    p.add_argument("--huge-listing", type=int)
    p.add_argument("--huge-reply", type=int)
    p.add_argument("--log")
    p.add_argument("--trickle", type=float)
    p.add_argument("--only", action="append", default=[])
    p.add_argument("--no-length", action="store_true")
    p.add_argument("--cut-after", type=int)
    p.add_argument("--endless")
    p.add_argument("--alias", action="append", default=[])
    p.add_argument("--user", default="user")
    p.add_argument("--password", default="secret")
    args = p.parse_args()
    {"ftp": serve_ftp, "http": serve_http, "mute": serve_mute}[args.mode](args)


if __name__ == "__main__":
    main()
