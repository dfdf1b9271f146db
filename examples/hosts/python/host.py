#!/usr/bin/env python3
"""A host program in Python (ctypes, standard library only): the scripted user
answers two dialogs, or, with --display, a person does.

    python3 host.py [--display] [--library PATH] [LOG]

Strings cross as code page 932 bytes. A string result belongs to the library
and stays valid until the next entry function returns: ctypes copies it into a
Python bytes object at once (restype c_char_p), so nothing is freed here.
"""
import argparse
import ctypes
import sys


def load(path):
    lib = ctypes.CDLL(path or "libtopodlg.so.1")
    lib.TopoDlgUseScript.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    lib.TopoDlgUseScript.restype = ctypes.c_int
    lib.TopoDlgUseDisplay.argtypes = []
    lib.TopoDlgUseDisplay.restype = ctypes.c_int
    lib.TopoDlgLastError.argtypes = []
    lib.TopoDlgLastError.restype = ctypes.c_char_p
    lib.OnDlgGraphicSize.argtypes = [ctypes.c_int]
    lib.OnDlgGraphicSize.restype = ctypes.c_int
    lib.OnDlgPrintSet.argtypes = [ctypes.c_int] * 5 + [ctypes.c_char_p] * 2
    lib.OnDlgPrintSet.restype = ctypes.c_char_p
    return lib


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", action="store_true")
    parser.add_argument("--library")
    parser.add_argument("log", nargs="?")
    args = parser.parse_args()
    lib = load(args.library)

    def last_error():
        return lib.TopoDlgLastError().decode("utf-8", "replace")

    if args.display:
        chosen = lib.TopoDlgUseDisplay()
    else:
        log = args.log.encode() if args.log else None
        chosen = lib.TopoDlgUseScript(b"enter\nenter\n", log)
    if chosen != 0:
        sys.exit("host: " + last_error())

    size = lib.OnDlgGraphicSize(100)
    if last_error():
        sys.exit("host: OnDlgGraphicSize failed: " + last_error())
    print("OnDlgGraphicSize:", size)

    text = lib.OnDlgPrintSet(0, 1, 100, 0, 10, "OUT".encode("cp932"), "ON".encode("cp932"))
    if last_error():
        sys.exit("host: OnDlgPrintSet failed: " + last_error())
    print("OnDlgPrintSet:", text.decode("cp932"))


if __name__ == "__main__":
    main()
