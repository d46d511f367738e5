#!/usr/bin/env python3
"""Adversarial round against the built programs: odd files, names, folders, limits,
full disks, signals, the kept task list, the settings file, the single-instance
socket and the session bus. Runs as root (mounts, other users) and prints every
failure with what was attacked, what was expected and what happened, then
"N attacks, M failures".

Usage: bench/attack/run.py [--build DIR] [--only REGEX] [--list] [--keep]
"""
import argparse
import os
import re
import shutil
import signal
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import cases_cli  # noqa: E402,F401
import cases_system  # noqa: E402,F401
import cases_gui  # noqa: E402,F401
import cases_folders  # noqa: E402,F401


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(root, "build-test"))
    parser.add_argument("--only", default="")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    options = parser.parse_args()
    chosen = [(g, w, f) for (g, w, f) in harness.CASES if re.search(options.only, g + ": " + w)]
    if options.list:
        for group, what, _ in chosen:
            print("%s: %s" % (group, what))
        print("%d attacks" % len(chosen))
        return 0
    # Started in the background by a shell, this process (and so every program it
    # starts) would ignore SIGINT: the signal cases need its ordinary disposition.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    if os.geteuid() != 0:
        print("run as root: cases mount file systems and switch users", file=sys.stderr)
        return 2
    work = tempfile.mkdtemp(prefix="korbanix-attack-")
    os.chmod(work, 0o755)
    media = harness.Media(os.path.join(work, "media"))
    failures = []
    skipped = []
    started = time.monotonic()
    for index, (group, what, function) in enumerate(chosen):
        case = harness.Case(work, options.build, media, index)
        try:
            function(case)
            status = "ok"
        except harness.Skip as why:
            skipped.append((group, what, str(why)))
            status = "skip"
        except harness.Fail as failure:
            failures.append((group, what, failure.expected, failure.got))
            status = "FAIL"
        except Exception:
            failures.append((group, what, "the case runs", traceback.format_exc(limit=3)))
            status = "ERROR"
        finally:
            case.close()
        print("%-5s %s: %s" % (status, group, what), flush=True)
    print()
    for group, what, expected, got in failures:
        print("FAILURE %s: %s\n  expected: %s\n  got:      %s" % (group, what, expected, str(got)[:1200]))
    for group, what, why in skipped:
        print("SKIPPED %s: %s (%s)" % (group, what, why))
    print("\n%d attacks, %d failures (%.0f s)" % (len(chosen) - len(skipped), len(failures),
                                                  time.monotonic() - started))
    if options.keep:
        print("work folder kept:", work)
    else:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
