# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a program did to files and sockets, read from the logs of `strace -f -ff -yy`.

The audits run a program under STRACE_COMMAND and ask the resulting Trace which files it created
or opened for writing, which places under a folder (the home folder) it looked at, and which
sockets it opened and connected.
"""
import fnmatch
import os
import re
from dataclasses import dataclass

# Every call that names a file, and those that make or connect sockets. -ff gives each process a
# log of its own, so that no call is split across lines; -yy decorates descriptors with the paths
# and socket addresses behind them.
TRACE_CALLS = "%file,socket,socketpair,connect,bind,listen,accept,accept4,memfd_create"


def strace_command(log_prefix):
    return ["strace", "-f", "-ff", "-qq", "-s", "512", "-yy", "-o", log_prefix, "-e",
            f"trace={TRACE_CALLS}", "-e", "signal=none"]


# Calls that create, change or remove what a path names.
CHANGING_CALLS = {
    "creat", "mkdir", "mkdirat", "mknod", "mknodat", "rename", "renameat", "renameat2", "link",
    "linkat", "symlink", "symlinkat", "unlink", "unlinkat", "rmdir", "truncate", "chmod",
    "fchmodat", "chown", "lchown", "fchownat", "utime", "utimes", "utimensat", "futimesat",
    "setxattr", "lsetxattr", "removexattr", "lremovexattr", "mount", "umount2", "swapon"
}
OPEN_CALLS = {"open", "openat", "openat2", "creat"}
WRITING_FLAGS = {"O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE"}
# Calls whose only path is their first string: the others are what they give back (readlink) or
# the new program's arguments (execve).
FIRST_STRING_ONLY = {"readlink", "readlinkat", "execve", "execveat"}

LINE = re.compile(r"^(?P<name>\w+)\((?P<args>.*)\)\s+= (?P<result>.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
DIRFD = re.compile(r"^(?:AT_FDCWD|-?\d+)<(?P<dir>[^>]*)>, ")


@dataclass
class Call:
    pid: int
    name: str
    args: str
    result: str
    paths: list  # absolute paths the call names

    @property
    def failed(self):
        return self.result.startswith("-1 ")

    def __str__(self):
        return f"[{self.pid}] {self.name}({self.args[:200]}) = {self.result[:80]}"


def _unescape(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape", "replace")


class Trace:
    def __init__(self, log_prefix, cwd):
        """Reads every log `log_prefix`.PID; relative paths are taken against `cwd`."""
        self.calls = []
        folder, stem = os.path.split(log_prefix)
        for entry in sorted(os.listdir(folder)):
            if entry.startswith(stem + "."):
                pid = int(entry.rsplit(".", 1)[1])
                with open(os.path.join(folder, entry), encoding="latin-1") as log:
                    for line in log:
                        call = self._parse(pid, line.rstrip("\n"), cwd)
                        if call:
                            self.calls.append(call)
        if not self.calls:
            raise AssertionError(f"strace wrote no calls to {log_prefix}.*")

    @staticmethod
    def _parse(pid, line, cwd):
        match = LINE.match(line)
        if not match:
            return None  # "+++ exited +++" and the like
        name, args = match["name"], match["args"]
        strings = [_unescape(s) for s in STRING.findall(args)]
        if name in FIRST_STRING_ONLY:
            strings = strings[:1]
        paths = []
        if name not in {"socket", "socketpair", "connect", "bind", "listen", "accept", "accept4",
                        "memfd_create"}:
            base = DIRFD.match(args)
            for text in strings:
                if text == "":
                    continue  # AT_EMPTY_PATH: the descriptor itself
                if not text.startswith("/"):
                    text = os.path.join(base["dir"] if base else cwd, text)
                paths.append(os.path.normpath(text))
        return Call(pid, name, args, match["result"], paths)

    def changes(self):
        """(call, path) for each call that created, wrote or removed something, or tried to."""
        found = []
        for call in self.calls:
            writing = call.name in CHANGING_CALLS or (
                call.name in OPEN_CALLS and WRITING_FLAGS & set(re.findall(r"O_[A-Z]+", call.args)))
            if writing:
                found += [(call, path) for path in call.paths[:2]]
        return found

    def looked_at(self, folder):
        """(call, path relative to `folder`) for each call that named a path inside `folder`."""
        folder = os.path.normpath(folder)
        return [(call, os.path.relpath(path, folder)) for call in self.calls
                for path in call.paths if path == folder or path.startswith(folder + os.sep)]

    def sockets(self):
        """(call, address family) for each socket the program made."""
        return [(call, call.args.split(",", 1)[0]) for call in self.calls
                if call.name in ("socket", "socketpair") and not call.failed]

    def connections(self):
        """(call, family, address) for each connect(), bind() or listen()."""
        found = []
        for call in self.calls:
            if call.name in ("connect", "bind", "listen", "accept", "accept4"):
                family = re.search(r"sa_family=(\w+)", call.args)
                path = re.search(r'sun_path=(@?)"((?:[^"\\]|\\.)*)"', call.args)
                address = (path[1] + _unescape(path[2])) if path else call.args
                found.append((call, family[1] if family else "?", address))
        return found


def matches(path, patterns):
    return any(fnmatch.fnmatchcase(path, pattern) for pattern in patterns)
