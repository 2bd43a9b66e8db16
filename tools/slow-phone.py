#!/usr/bin/env python3
"""A GSM phone on a pseudo-terminal whose network is slow, for timing pixora-cli by hand.

Prints the device path on its first line, then answers the AT commands of a picture-message send
and a phonebook read with echo on: "+CMGS" comes --ack-delay seconds after each message line, a
phonebook listing --listing-delay seconds after its command. On SIGTERM or SIGINT it prints, on
standard error, how often each command arrived.
"""
import argparse
import collections
import hashlib
import os
import pty
import select
import signal
import sys
import termios
import time
import tty

parser = argparse.ArgumentParser()
parser.add_argument("--ack-delay", type=float, default=30.0)
parser.add_argument("--listing-delay", type=float, default=0.0)
parser.add_argument("--entries", type=int, default=150, help="entries in each memory")
args = parser.parse_args()

master, slave = pty.openpty()
tty.setraw(slave)
tty.setraw(master)
print(os.ttyname(slave), flush=True)

counts = collections.Counter()
stopping = False


def stop(*_):
    global stopping
    stopping = True


signal.signal(signal.SIGTERM, stop)
signal.signal(signal.SIGINT, stop)

memory = "SM"
ranges = {"SM": (1, 250), "ME": (1, 500)}
entries = {
    m: [(i, "+49170%06d" % (i + off), "%s %03d" % (name, i)) for i in range(1, args.entries + 1)]
    for m, off, name in (("SM", 0, "Sim"), ("ME", 500000, "Phone"))
}
pending = []  # (due time, bytes)
line = b""
awaiting_pdu = False


def say(text, delay=0.0):
    last = pending[-1][0] if pending else 0.0
    pending.append((max(time.monotonic() + delay, last), text.encode("latin-1")))


def command(text):
    global memory, awaiting_pdu
    counts[text] += 1
    say(text + "\r")
    if text in ("AT", "ATZ", "AT+CMGF=0"):
        say("\r\nOK\r\n")
    elif text.startswith("AT+CMGS="):
        awaiting_pdu = True
        say("\r\n> ")
    elif text in ('AT+CPBS="SM"', 'AT+CPBS="ME"'):
        memory = text[9:11]
        say("\r\nOK\r\n")
    elif text == "AT+CPBR=?":
        low, high = ranges[memory]
        say("\r\n+CPBR: (%d-%d),40,18\r\n\r\nOK\r\n" % (low, high))
    elif text.startswith("AT+CPBR="):
        low, high = (int(v) for v in text[8:].split(","))
        body = "".join('\r\n+CPBR: %d,"%s",145,"%s"' % e for e in entries[memory]
                       if low <= e[0] <= high)
        say(body + "\r\n\r\nOK\r\n", args.listing_delay)
    else:
        say("\r\nERROR\r\n")


while not stopping:
    now = time.monotonic()
    while pending and pending[0][0] <= now:
        os.write(master, pending.pop(0)[1])
    wait = max(0.0, pending[0][0] - now) if pending else 0.2
    try:
        ready, _, _ = select.select([master], [], [], min(wait, 0.2))
    except InterruptedError:
        continue
    if not ready:
        continue
    try:
        data = os.read(master, 4096)
    except OSError:
        time.sleep(0.05)
        continue
    for byte in data:
        c = bytes([byte])
        if awaiting_pdu:
            if c == b"\x1a":
                digest = hashlib.sha1(line).hexdigest()[:10]
                counts["message line %d bytes, sha1 %s" % (len(line) // 2, digest)] += 1
                say(line.decode("latin-1"))
                say("\r\n+CMGS: %d\r\n\r\nOK\r\n" % counts["+CMGS"], args.ack_delay)
                counts["+CMGS"] += 1
                awaiting_pdu = False
                line = b""
            elif c not in (b"\r", b"\n"):
                line += c
        elif c == b"\r":
            if line:
                command(line.decode("latin-1"))
            line = b""
        elif c != b"\n":
            line += c

for name, n in sorted(counts.items()):
    print("%3d x %s" % (n, name), file=sys.stderr)
