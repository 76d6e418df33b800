#!/usr/bin/env python3
"""A simulated modem with a paging terminal behind it, served on a pseudo-terminal.

pager_terminal.py --link PATH [--transcript FILE] [--pages FILE] [--busy NUMBER]...
                  [--busy-first NUMBER]... [--no-answer NUMBER]... [--refuse ID]... [--nak-first ID]...
                  [--ready FILE] [-- COMMAND ...]

PATH becomes a symbolic link to the pseudo-terminal's slave (a Wine prefix's dosdevices/comN, so
that COMn is this modem). Every byte the caller sends is appended to the transcript as it came;
every page delivered is one line of the pages file ("alphanumeric 1234: text", "numeric 5550100:
05"). With a COMMAND the simulator serves while it runs and exits with its status; without, it
serves until SIGTERM or SIGINT. On exit the link is removed, or set back to where it pointed
before. Closing the port stands for DTR dropping: the modem hangs up and resets.

The modem: echoes commands after ATZ until E0, answers OK to AT commands, "ATDT<number>" answers
CONNECT 1200 and puts the paging terminal on the line; a dial string ending in ';' is a numeric
page (the tones after the commas are the digits, '#' ends them) and is answered OK. A number given
with --busy answers BUSY, with --busy-first BUSY on its first dial only, with --no-answer NO
ANSWER. "+++" while on line returns to commands; ATH hangs up.

The paging terminal (the alphanumeric paging protocol): each CR before the logon is answered
"ID="; ESC PG1 <password> CR by ACK and the go-ahead ESC [ p; each block STX ... ETX/ETB/US,
checksum, CR by ACK, or NAK when its checksum is wrong, once when its pager ID was given with
--nak-first, or RS when its pager ID was given with --refuse; EOT CR by ESC EOT, after which it
hangs up (the modem says NO CARRIER).
"""
import argparse
import os
import pty
import select
import signal
import subprocess
import sys
import termios
import time
import tty

STX, ETX, EOT, ACK, CR, NAK, ETB, ESC, RS, US = b"\x02", b"\x03", b"\x04", b"\x06", b"\r", b"\x15", b"\x17", b"\x1b", b"\x1e", b"\x1f"


def checksum(block):
    total = sum(b & 0x7F for b in block) & 0xFFF
    return bytes([0x30 + ((total >> 8) & 0xF), 0x30 + ((total >> 4) & 0xF), 0x30 + (total & 0xF)])


class Simulator:
    def __init__(self, args, send):
        self.args = args
        self.send = send
        self.dialled = {}
        self.naked = set()
        self.echo = True
        self.online = False
        self.line = b""
        self.reset_terminal()

    def hang_up(self):
        """The caller closed the port: DTR dropped, the call (if any) ends, the modem resets."""
        self.echo = True
        self.online = False
        self.line = b""
        self.reset_terminal()

    def reset_terminal(self):
        self.state = "greeting"
        self.pending = b""
        self.fields = b""

    def note_page(self, text):
        if self.args.pages:
            with open(self.args.pages, "a", encoding="latin-1") as pages:
                pages.write(text + "\n")

    def received(self, data):
        if self.args.transcript:
            with open(self.args.transcript, "ab") as transcript:
                transcript.write(data)
        if self.online:
            self.terminal(data)
        else:
            self.modem(data)

    # The modem in command mode.
    def modem(self, data):
        for byte in data:
            char = bytes([byte])
            if self.echo:
                self.send(char)
            if char == CR:
                line, self.line = self.line.decode("latin-1").strip().upper(), b""
                self.command(line)
            elif char != b"\n":
                self.line += char

    def command(self, line):
        if not line.startswith("AT"):
            return
        body = line[2:]
        if body.startswith("Z"):
            self.echo = True
        elif body.startswith("E0"):
            self.echo = False
        if body.startswith("D"):
            self.dial(body[1:].lstrip("TP"))
            return
        self.send(b"\r\nOK\r\n")

    def dial(self, number):
        numeric = number.endswith(";")
        number = number.rstrip(";")
        # The number called is what comes before the first pause; a listed number also matches a
        # dial string that starts with it (a numeric page without connection delay).
        called = number.split(",")[0]
        self.dialled[called] = self.dialled.get(called, 0) + 1

        def listed(numbers):
            return any(number.startswith(one) for one in numbers)

        if listed(self.args.busy) or (listed(self.args.busy_first) and self.dialled[called] == 1):
            self.send(b"\r\nBUSY\r\n")
        elif listed(self.args.no_answer):
            self.send(b"\r\nNO ANSWER\r\n")
        elif numeric:
            if "," in number:
                tones = number[len(called):].strip(",")
                self.note_page("numeric %s: %s" % (called, tones.split("#")[0]))
            else:
                # Without a pause the number and the digits run together: the whole dial string.
                self.note_page("numeric %s" % number)
            self.send(b"\r\nOK\r\n")
        else:
            self.online = True
            self.reset_terminal()
            self.send(b"\r\nCONNECT 1200\r\n")

    # The paging terminal, while the modem is on line.
    def terminal(self, data):
        self.pending += data
        if self.pending.endswith(b"+++"):
            self.pending = b""
            self.online = False
            self.send(b"\r\nOK\r\n")
            return
        while self.step():
            pass

    def step(self):
        if self.state in ("greeting", "logon"):
            if ESC + b"PG1" in self.pending and CR in self.pending.split(ESC + b"PG1", 1)[1]:
                self.pending = self.pending.split(ESC + b"PG1", 1)[1].split(CR, 1)[1]
                self.state = "blocks"
                self.send(b"110 1.8\r" + ACK + CR + ESC + b"[p" + CR)
                return True
            if CR in self.pending and ESC not in self.pending:
                self.pending = self.pending.split(CR, 1)[1]
                self.state = "logon"
                self.send(b"ID=")
                return True
            return False
        if self.pending.startswith(EOT):
            self.pending = b""
            self.send(b"115 Goodbye\r" + ESC + EOT + CR)
            self.online = False
            self.send(b"\r\nNO CARRIER\r\n")
            return False
        start = self.pending.find(STX)
        if start < 0:
            self.pending = self.pending[self.pending.find(EOT):] if EOT in self.pending else b""
            return bool(self.pending)
        ends = [i for i in range(start + 1, len(self.pending)) if self.pending[i:i + 1] in (ETX, ETB, US)]
        if not ends or len(self.pending) < ends[0] + 5:
            return False
        end = ends[0]
        block = self.pending[start:end + 1]
        given = self.pending[end + 1:end + 4]
        self.pending = self.pending[end + 5:]
        self.block(block, given)
        return True

    def block(self, block, given):
        if checksum(block) != given:
            self.send(NAK + CR)
            return
        fields = self.fields + block[1:-1]
        pager_id = fields.split(CR)[0].decode("latin-1") if CR in fields else None
        if pager_id is not None and pager_id in self.args.refuse:
            self.fields = b""
            self.send(b"Invalid pager ID\r" + RS + CR)
            return
        if pager_id is not None and pager_id in self.args.nak_first and pager_id not in self.naked:
            self.naked.add(pager_id)
            self.send(CR + NAK + CR)
            return
        self.fields = fields
        if block[-1:] == ETX:
            parts = self.fields.split(CR)
            self.note_page("alphanumeric %s: %s" % (parts[0].decode("latin-1"), parts[1].decode("latin-1")))
            self.fields = b""
        self.send(CR + ACK + CR)


def reset_line(slave_name, attributes):
    """Puts the line back as it was made. A pseudo-terminal keeps 8 data bits without parity
    whatever it is asked, and once a caller has set it to 7E1 at a speed, asking for the same
    again fails (EINVAL from tcsetattr, error 87 from SetCommState); a line back at its first
    settings takes them as the first call did."""
    try:
        fd = os.open(slave_name, os.O_RDWR | os.O_NOCTTY)
    except OSError:
        return
    try:
        termios.tcsetattr(fd, termios.TCSANOW, attributes)
    except termios.error:
        pass
    finally:
        os.close(fd)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--link", required=True)
    parser.add_argument("--transcript")
    parser.add_argument("--pages")
    parser.add_argument("--ready")
    parser.add_argument("--busy", action="append", default=[])
    parser.add_argument("--busy-first", action="append", default=[])
    parser.add_argument("--no-answer", action="append", default=[])
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--nak-first", action="append", default=[])
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    master, slave = pty.openpty()
    # Raw, so that nothing the caller sends is echoed or changed before the caller sets the port up.
    tty.setraw(slave)
    slave_name = os.ttyname(slave)
    fresh_line = termios.tcgetattr(slave)
    # Closed here: the caller closing the port is then seen (reads fail) and stands for DTR
    # dropping, which hangs a modem up.
    os.close(slave)
    # A link that was there before (Wine's own, to a serial device) comes back on exit.
    previous = os.readlink(args.link) if os.path.islink(args.link) else None
    if os.path.lexists(args.link):
        os.unlink(args.link)
    os.symlink(slave_name, args.link)
    if args.ready:
        with open(args.ready, "w") as ready:
            ready.write(slave_name + "\n")

    done = []
    signal.signal(signal.SIGTERM, lambda *_: done.append(0))
    signal.signal(signal.SIGINT, lambda *_: done.append(130))
    simulator = Simulator(args, lambda data: os.write(master, data))
    child = subprocess.Popen(command) if command else None
    caller = False
    try:
        while not done:
            if child is not None and child.poll() is not None:
                done.append(child.returncode)
                break
            try:
                readable, _, _ = select.select([master], [], [], 0.05)
            except InterruptedError:
                continue
            if not readable:
                continue
            try:
                data = os.read(master, 4096)
            except OSError:
                # No caller has the port open.
                if caller:
                    caller = False
                    simulator.hang_up()
                    reset_line(slave_name, fresh_line)
                time.sleep(0.02)
                continue
            caller = True
            simulator.received(data)
    finally:
        if os.path.islink(args.link) and os.readlink(args.link) == slave_name:
            os.unlink(args.link)
            if previous is not None:
                os.symlink(previous, args.link)
        if child is not None and child.poll() is None:
            child.terminate()
            child.wait()
    return done[0] if done else 0


if __name__ == "__main__":
    sys.exit(main())
