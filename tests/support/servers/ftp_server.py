#!/usr/bin/python3
"""A local FTP server for the upload tests.

Serves ROOT on 127.0.0.1 (a free port unless --port is given) for one account, after creating the
maker's upload tree under it. Prints "PORT <n>" once it listens, and "STOR <path>" when a transfer
into <path> starts, so that a test can stop the server in the middle of a transfer.

  ftp_server.py ROOT USER PASSWORD [--port N] [--read-only DIR]... [--slow BYTES_PER_SECOND]

--read-only DIR (relative to ROOT) takes the write permission away for that folder, both for the
account and on disk. --slow throttles every incoming transfer.
"""
import argparse
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

TREE = [
    "public_html/apps/airvane_lite/telemetry/log",
    "public_html/apps/airvane_lite/telemetry/feedback/files",
    "public_html/apps/installers/online/ali/telemetry/log",
    "public_html/apps/installers/online/ali/telemetry/feedback/files",
]


class Handler(FTPHandler):
    # Non-ASCII names travel as UTF-8 (pyftpdlib's default); say so in the log for the test.
    def ftp_STOR(self, file, mode="w"):
        print("STOR " + os.path.relpath(file, self.authorizer.get_home_dir(self.username)),
              flush=True)
        return super().ftp_STOR(file, mode)


def main():
    logging.basicConfig(level=logging.WARNING)
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("user")
    parser.add_argument("password")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--read-only", action="append", default=[])
    parser.add_argument("--slow", type=int, default=0)
    args = parser.parse_args()

    root = os.path.abspath(args.root)
    for folder in TREE:
        os.makedirs(os.path.join(root, folder), exist_ok=True)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, root, perm="elradfmwMT")
    for folder in args.read_only:
        path = os.path.join(root, folder)
        authorizer.override_perm(args.user, path, perm="elr", recursive=True)
        os.chmod(path, 0o555)

    Handler.authorizer = authorizer
    Handler.passive_ports = None
    if args.slow:
        dtp = ThrottledDTPHandler
        dtp.read_limit = args.slow
        Handler.dtp_handler = dtp

    server = FTPServer(("127.0.0.1", args.port), Handler)
    print("PORT %d" % server.address[1], flush=True)
    try:
        server.serve_forever(handle_exit=True)
    finally:
        server.close_all()


if __name__ == "__main__":
    sys.exit(main())
