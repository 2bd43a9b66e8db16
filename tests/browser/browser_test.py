#!/usr/bin/env python3
"""The web send in a real browser.

Our page writer puts a redirect page into the private temporary folder; headless Chromium opens
it as the desktop would, follows its zero-second refresh, and a small HTTP server on 127.0.0.1,
standing in for the vendor's web service (the service's host name is mapped to it with
--host-resolver-rules), must receive exactly the request address the page holds, which must also
be the one `pixora-cli weburl` prints for the same picture.

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium on this machine).
"""

import argparse
import http.server
import os
import re
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import threading
import urllib.parse

SKIP = 77
BROWSER_WAIT_SECONDS = 60
PROGRAM_WAIT_SECONDS = 30

# A media code that breaks a page or a query if it goes in unencoded.
MEDIA = 'ab"c <d&e'
TEXT = "Hi there! Grüße & 100%"


def find_chromium():
    for name in ("chromium", "chromium-browser"):
        path = shutil.which(name)
        if path:
            return path
    return None


def picture_message(text):
    """A .npm file: a diagonal line and a frame, with the text in Windows-1252."""
    cells = [[0] * 72 for _ in range(28)]
    for x in range(72):
        cells[0][x] = cells[27][x] = 1
    for y in range(28):
        cells[y][0] = cells[y][71] = 1
        cells[y][(y * 5) % 72] = 1
    rows = bytearray()
    for y in range(28):
        for byte in range(9):
            value = 0
            for bit in range(8):
                if cells[y][byte * 8 + bit]:
                    value |= 0x80 >> bit
            rows.append(value)
    encoded = text.encode("cp1252")
    return (b"NPM\x00" + bytes([len(encoded)]) + encoded + b"\x00\x48\x1c\x01\x01\x50" +
            bytes(rows) + b"Picture-Message File, v1.0, Made by test\r")


class Failures:
    def __init__(self):
        self.messages = []

    def check(self, condition, message):
        if not condition:
            self.messages.append(message)
        return condition


def run(command, env):
    result = subprocess.run(command, env=env, capture_output=True, timeout=PROGRAM_WAIT_SECONDS)
    if result.returncode != 0:
        raise RuntimeError("%s failed (%d): %s" % (command[0], result.returncode,
                                                   result.stderr.decode(errors="replace")))
    return result.stdout.decode("latin-1").strip()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True, help="the built pixora-cli")
    parser.add_argument("--writer", required=True, help="the built write_web_page")
    args = parser.parse_args()

    chromium = find_chromium()
    if chromium is None:
        print("SKIPPED: chromium is not installed (tools/packages.sh installs it)")
        return SKIP

    failures = Failures()
    with tempfile.TemporaryDirectory(prefix="pixora-browser-") as work:
        # pixora-cli with its modules in a folder of ours, so the branding file lies beside it.
        program_folder = os.path.join(work, "bin")
        os.mkdir(program_folder)
        cli_folder = os.path.dirname(os.path.abspath(args.cli))
        for name in os.listdir(cli_folder):
            if name == "pixora-cli" or (name.startswith("pixora-cli-") and name.endswith(".so")):
                shutil.copy2(os.path.join(cli_folder, name), program_folder)
        with open(os.path.join(program_folder, "KALDRIX.INI"), "wb") as branding:
            branding.write(b"[Branding]\r\nMedia=" + MEDIA.encode("cp1252") + b"\r\n")

        config = os.path.join(work, "config")
        os.makedirs(os.path.join(config, "Brellow"))
        ini = os.path.join(config, "Brellow", "Brellow.ini")
        with open(ini, "w") as settings:
            settings.write("[Zorvet Settings]\nStatsSend=3\nStatsInternet=4\n")
        temp = os.path.join(work, "tmp")
        os.mkdir(temp)
        picture = os.path.join(work, "picture.npm")
        with open(picture, "wb") as npm:
            npm.write(picture_message(TEXT))

        env = {k: v for k, v in os.environ.items()
               if k.lower() not in ("http_proxy", "https_proxy", "all_proxy", "no_proxy")
               and not k.startswith("LC_") and k != "LANG"}
        env.update({"XDG_CONFIG_HOME": config, "TMPDIR": temp, "LC_ALL": "de_AT.UTF-8",
                    "HOME": work})
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)

        expected = run([os.path.join(program_folder, "pixora-cli"), "weburl", picture], env)
        page = run([args.writer, picture, MEDIA], env)

        failures.check(expected.startswith("http://"), "weburl printed no address: %r" % expected)
        host = urllib.parse.urlsplit(expected).hostname or ""
        failures.check("&stats=3%7C4&cc=43&media=ab%22c%20%3Cd%26e&text=Hi+there%21+Gr%FC%DFe+"
                       "%26+100%25" in expected, "unexpected address tail: %r" % expected)

        # The page: in the private folder, ours alone, holding the address twice as it is.
        private = os.path.join(temp, "pixora-%d" % os.getuid())
        failures.check(page == os.path.join(private, "PMTMP000.HTM"), "page written at %r" % page)
        folder_mode = stat.S_IMODE(os.lstat(private).st_mode)
        failures.check(folder_mode == 0o700, "private folder mode %o" % folder_mode)
        page_info = os.lstat(page)
        failures.check(stat.S_ISREG(page_info.st_mode) and stat.S_IMODE(page_info.st_mode) == 0o600,
                       "page mode %o" % page_info.st_mode)
        with open(page, "rb") as f:
            page_text = f.read().decode("cp1252")
        refresh = re.search(r'CONTENT="0; URL=([^"]*)"', page_text)
        link = re.search(r'<A HREF="([^"]*)">here</A>', page_text)
        failures.check(refresh is not None and refresh.group(1) == expected,
                       "refresh address differs from weburl's")
        failures.check(link is not None and link.group(1) == expected,
                       "manual link differs from weburl's")
        with open(ini) as settings:
            failures.check("StatsInternet=5" in settings.read(), "the web send was not counted")

        # The stand-in web service.
        requests = []
        arrived = threading.Event()

        class Service(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                requests.append((self.headers.get("Host"), self.path))
                body = b"<html><body>sent</body></html>"
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                if self.path.startswith("/wireless/"):
                    arrived.set()

            def log_message(self, *unused):
                pass

        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Service)
        port = server.server_address[1]
        serving = threading.Thread(target=server.serve_forever, daemon=True)
        serving.start()

        browser_log = os.path.join(work, "chromium.log")
        command = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                   "--disable-background-networking", "--disable-component-update",
                   "--disable-sync", "--no-proxy-server", "--disable-extensions",
                   "--user-data-dir=" + os.path.join(work, "profile"),
                   "--host-resolver-rules=MAP %s 127.0.0.1:%d" % (host, port),
                   "file://" + urllib.parse.quote(page)]
        with open(browser_log, "wb") as log:
            browser = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, start_new_session=True)
        try:
            arrived.wait(BROWSER_WAIT_SECONDS)
        finally:
            # The browser keeps running headless until told; its renderers share its group.
            try:
                os.killpg(browser.pid, signal.SIGTERM)
                browser.wait(10)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(browser.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                browser.wait()
            server.shutdown()
            server.server_close()

        service = [(h, p) for h, p in requests if p.startswith("/wireless/")]
        if failures.check(len(service) == 1,
                          "the service got %d requests: %r" % (len(service), requests)):
            received_host, received_path = service[0]
            failures.check(received_host == host, "Host header %r" % received_host)
            failures.check("http://" + host + received_path == expected,
                           "received %r\nexpected %r" % (received_path, expected))
        if failures.messages and os.path.exists(browser_log):
            with open(browser_log, "rb") as log:
                tail = log.read()[-3000:].decode(errors="replace")
            failures.messages.append("chromium said:\n" + tail)

    for message in failures.messages:
        print("FAIL: " + message)
    print("%d passed, %d failed" % (0 if failures.messages else 1, 1 if failures.messages else 0))
    return 1 if failures.messages else 0


if __name__ == "__main__":
    sys.exit(main())
