#!/usr/bin/python3
"""Local HTTPS server for the update tests.

Usage: https_server.py WORKDIR

Makes two throw-away certificate authorities with openssl in WORKDIR: "trusted" (the tests trust
it inside their own process) and "rogue" (nobody trusts it). Serves the same content on three
listeners on 127.0.0.1, each on a free port:
  good  HTTPS, certificate from the trusted CA (subject alternative name IP:127.0.0.1)
  bad   HTTPS, certificate from the rogue CA
  plain HTTP (the target of the https -> http redirect)
then prints one line: {"good": port, "bad": port, "plain": port, "ca": "<trusted CA file>"}.

Content: files under WORKDIR/root are served as they are, with a Content-Length; a file
"<name>.status" beside one sets its status code. Built-in paths:
  /installer/short       announces 4096 bytes, sends 1000, then closes the connection
  /installer/chunked     a chunked body of 3000 bytes without a length
  /installer/stall       announces 1 MiB, sends 128 KiB, then sends nothing for 60 s
  /installer/slow        1.5 MiB (or root/installer/slow.body) in 30 pieces, 120 ms apart
  /redirect/N            302 to /redirect/N-1; /redirect/0 is /installer/exact
  /downgrade             302 to the plain listener's /installer/exact
Every request line is appended to WORKDIR/requests.log. The server ends on SIGTERM or when its
standard input closes.
"""
import http.server
import json
import os
import signal
import ssl
import subprocess
import sys
import threading
import time

WORK = sys.argv[1]
ROOT = os.path.join(WORK, 'root')
LOG = os.path.join(WORK, 'requests.log')
log_lock = threading.Lock()
ports = {}


def openssl(*args):
    subprocess.run(['openssl', *args], check=True, cwd=WORK,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_ca(name):
    openssl('req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-days', '2', '-subj', f'/CN=Airvane test {name} CA',
            '-keyout', f'{name}-ca.key', '-out', f'{name}-ca.pem',
            '-addext', 'basicConstraints=critical,CA:TRUE', '-addext', 'keyUsage=critical,keyCertSign,cRLSign')
    openssl('req', '-newkey', 'rsa:2048', '-nodes', '-subj', '/CN=127.0.0.1',
            '-keyout', f'{name}-server.key', '-out', f'{name}-server.csr')
    with open(os.path.join(WORK, f'{name}-ext.cnf'), 'w') as ext:
        ext.write('subjectAltName=IP:127.0.0.1\nextendedKeyUsage=serverAuth\n')
    openssl('x509', '-req', '-in', f'{name}-server.csr', '-CA', f'{name}-ca.pem', '-CAkey', f'{name}-ca.key',
            '-CAcreateserial', '-days', '2', '-extfile', f'{name}-ext.cnf', '-out', f'{name}-server.pem')


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def record(self):
        with log_lock, open(LOG, 'a') as log:
            log.write(f'{self.server.name} {self.command} {self.path}\n')

    def head(self, status, length=None, extra=()):
        self.send_response(status)
        self.send_header('Content-Type', 'application/octet-stream')
        if length is not None:
            self.send_header('Content-Length', str(length))
        for key, value in extra:
            self.send_header(key, value)
        self.end_headers()

    def redirect(self, location):
        self.head(302, 0, [('Location', location)])

    def do_GET(self):
        self.record()
        path = self.path.split('?')[0]
        try:
            if path == '/installer/short':
                self.head(200, 4096, [('Connection', 'close')])
                self.wfile.write(b's' * 1000)
                self.wfile.flush()
                self.close_connection = True
            elif path == '/installer/chunked':
                self.head(200, None, [('Transfer-Encoding', 'chunked')])
                for _ in range(3):
                    self.wfile.write(b'3e8\r\n' + b'c' * 1000 + b'\r\n')
                self.wfile.write(b'0\r\n\r\n')
            elif path == '/installer/stall':
                self.head(200, 1 << 20)
                for _ in range(2):
                    self.wfile.write(b't' * 65536)
                    self.wfile.flush()
                    time.sleep(0.1)
                time.sleep(60)
                self.close_connection = True
            elif path == '/installer/slow':
                body = b'w' * (1536 * 1024)
                if os.path.isfile(os.path.join(ROOT, 'installer/slow.body')):
                    with open(os.path.join(ROOT, 'installer/slow.body'), 'rb') as f:
                        body = f.read()
                piece = len(body) // 30 + 1
                self.head(200, len(body))
                for start in range(0, len(body), piece):
                    self.wfile.write(body[start:start + piece])
                    self.wfile.flush()
                    time.sleep(0.12)
            elif path.startswith('/redirect/'):
                steps = int(path.rsplit('/', 1)[1])
                self.redirect(f'/redirect/{steps - 1}' if steps > 0 else '/installer/exact')
            elif path == '/downgrade':
                self.redirect(f'http://127.0.0.1:{ports["plain"]}/installer/exact')
            else:
                self.serve_file(path)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            self.close_connection = True

    def serve_file(self, path):
        file = os.path.normpath(os.path.join(ROOT, path.lstrip('/')))
        if not file.startswith(ROOT) or not os.path.isfile(file):
            body = b'not found'
            self.head(404, len(body))
            self.wfile.write(body)
            return
        status = 200
        if os.path.isfile(file + '.status'):
            with open(file + '.status') as f:
                status = int(f.read().strip())
        with open(file, 'rb') as f:
            body = f.read()
        self.head(status, len(body))
        self.wfile.write(body)


def serve(name, context):
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
    server.daemon_threads = True
    server.name = name
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True)
    ports[name] = server.server_address[1]
    threading.Thread(target=server.serve_forever, daemon=True).start()


def tls(name):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(WORK, f'{name}-server.pem'), os.path.join(WORK, f'{name}-server.key'))
    return context


def main():
    os.makedirs(ROOT, exist_ok=True)
    make_ca('trusted')
    make_ca('rogue')
    serve('good', tls('trusted'))
    serve('bad', tls('rogue'))
    serve('plain', None)
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    print(json.dumps({'good': ports['good'], 'bad': ports['bad'], 'plain': ports['plain'],
                      'ca': os.path.join(WORK, 'trusted-ca.pem')}), flush=True)
    sys.stdin.read()
    os._exit(0)


if __name__ == '__main__':
    main()
