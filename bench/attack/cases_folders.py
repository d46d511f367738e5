"""korbanix-cli given folders (convert/probe DIR, --keep-tree, --skip-done), watching a
folder, keeping streams (--copy-compatible, --exact-cut) and fitting a size (--target-size)."""
import os
import signal
import subprocess
import threading
import time

from harness import Fail, attack, digest_tree, expect, ffprobe_ok, stream_info, wait_for


def convert(c, targets, count, *args, out=None, cwd=None, user=None, timeout=180, env=None):
    """convert FOLDER|FILE...: one valid line for each of `count` files, outputs that decode,
    nothing replaced or left beside them."""
    out = out or c.p("out")
    before = digest_tree(out) if os.path.isdir(out) else {}
    argv = [c.cli_path, "convert", "--output", out] + list(args) + ["--"] + list(targets)
    r = c.run(argv, cwd=cwd, user=user, timeout=timeout, env=env)
    if r.rc != 2 and count is not None:
        c.check_lines(r, [None] * count)
    after = digest_tree(out) if os.path.isdir(out) else {}
    for path, what in before.items():
        expect(after.get(path) == what, "existing %s left as it was" % path, "changed to %s" % (after.get(path),))
    c.check_outputs(r, out, before, after)
    return r


def outputs(folder):
    found = []
    for base, _, files in os.walk(folder):
        thm, dot = (b".THM", b".") if isinstance(folder, bytes) else (".THM", ".")
        found += [os.path.join(base, f) for f in files if not f.endswith(thm) and not f.startswith(dot)]
    return sorted(found)


def tree(c, *names, kind="avi"):
    return [c.copy(kind, name) for name in names]


# --- Folders given to convert and probe


@attack("folders", "a symbolic link looping to its own folder is left out and the walk ends")
def _(c):
    tree(c, "in/a.avi", "in/sub/b.avi")
    os.symlink("..", c.p("in/sub/loop"))
    os.symlink(c.p("in"), c.p("in/self"))
    r = convert(c, [c.p("in")], 2, timeout=120)
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "links out of the tree (file and folder) are left out")
def _(c):
    tree(c, "in/a.avi", "elsewhere/secret.avi", "elsewhere/d/x.avi")
    os.symlink(c.p("elsewhere/secret.avi"), c.p("in/link.avi"))
    os.symlink(c.p("elsewhere/d"), c.p("in/dirlink"))
    r = convert(c, [c.p("in")], 1)
    expect(all("elsewhere" not in line for line in r.lines), "nothing from outside the tree", r.lines)


@attack("folders", "a dangling link and a link to /dev/zero named .avi are left out")
def _(c):
    tree(c, "in/a.avi")
    os.symlink(c.p("nothing.avi"), c.p("in/dangling.avi"))
    os.symlink("/dev/zero", c.p("in/zero.avi"))
    convert(c, [c.p("in")], 1, timeout=60)


@attack("folders", "an unreadable subfolder (as a user) is reported, the rest converted")
def _(c):
    tree(c, "in/a.avi", "in/locked/b.avi")
    os.chmod(c.p("in/locked"), 0)
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.p("in")], user="nobody", timeout=120)
    os.chmod(c.p("in/locked"), 0o755)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(any(rec[0] == "Completed" for rec in r.records()), "a.avi converted", r.text())
    expect(b"locked" in r.out + r.err, "the unreadable folder is named", r.text())


@attack("folders", "probe of a folder with an unreadable subfolder (as a user) ends with a message")
def _(c):
    tree(c, "in/a.avi", "in/locked/b.avi")
    os.chmod(c.p("in/locked"), 0)
    r = c.run([c.cli_path, "probe", c.p("in")], user="nobody", timeout=60)
    os.chmod(c.p("in/locked"), 0o755)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(b"locked" in r.out + r.err, "the unreadable folder is named", r.text())


@attack("folders", "10,000 non-media entries beside two sources: two lines, quickly")
def _(c):
    tree(c, "in/a.avi", "in/z/b.avi")
    for i in range(10000):
        open(c.p("in/note%05d.txt" % i), "w").close()
    r = convert(c, [c.p("in")], 2, timeout=180)
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "10,000 empty subfolders: probe ends within 60 s")
def _(c):
    tree(c, "in/a.avi")
    for i in range(10000):
        os.makedirs(c.p("in/d%05d" % i))
    r = c.run([c.cli_path, "probe", c.p("in")], timeout=60)
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "2,000 empty .avi files in a folder: exit 1 with a message")
def _(c):
    os.makedirs(c.p("in"))
    for i in range(2000):
        open(c.p("in/e%04d.avi" % i), "w").close()
    # A folder's files the probe turns down are passed over without a line.
    r = convert(c, [c.p("in")], 0, "--jobs", "2", timeout=300)
    expect(r.rc == 1 and r.err.strip(), "exit 1 with a message", r.text())


for what, raw in [("a line break", b"new\nline"), ("non-UTF-8 bytes", b"caf\xe9\xff"), ("a leading dash", b"-rf"),
                  ("a double dash", b"--help"), ("a tab", b"t\tab"), ("a backslash", b"b\\s")]:
    def _case(c, raw=raw):
        base = os.path.join(c.folder.encode(), b"in", raw)
        os.makedirs(base)
        data = open(c.media.path("avi"), "rb").read()
        for name in (raw + b".avi", b"plain.avi"):
            with open(os.path.join(base, name), "wb") as f:
                f.write(data)
        r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--keep-tree", c.p("in")], timeout=180)
        expect(r.rc == 0, "exit 0", r.text())
        expect(len(r.lines) == 2, "two lines", r.out[-400:])
        made = [p for p in outputs(c.p("out").encode()) if not p.endswith(b".THM")]
        expect(len(made) == 2, "two outputs below the output folder", made)
        for path in made:
            ok, why = ffprobe_ok(path.decode("utf-8", "surrogateescape"))
            expect(ok, "the output decodes", why)
    attack("folders", "a subfolder named with %s, kept tree" % what)(_case)


@attack("folders", "the output folder inside the folder given: outputs are never added")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    r = convert(c, [c.p("in")], 2, out=c.p("in/out"))
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "the output folder is the folder given: outputs are never added")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    r = convert(c, [c.p("in")], 2, "--extension", ".mkv", out=c.p("in"))
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "the output folder is the current folder, '.' given, with --jobs 1")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    r = convert(c, ["."], 2, "--jobs", "1", out=c.p("in"), cwd=c.p("in"))
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "the output folder a subfolder of the tree, kept tree")
def _(c):
    tree(c, "in/a.avi", "in/s/b.avi")
    r = convert(c, [c.p("in")], 2, "--keep-tree", out=c.p("in/s"))
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "a FIFO named .avi in the tree does not block")
def _(c):
    tree(c, "in/a.avi")
    os.mkfifo(c.p("in/fifo.avi"))
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.p("in")], timeout=90)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(any(rec[0] == "Completed" for rec in r.records()), "a.avi converted", r.text())


@attack("folders", "probe of a folder with a FIFO named .mp4 does not block")
def _(c):
    tree(c, "in/a.avi")
    os.mkfifo(c.p("in/fifo.mp4"))
    r = c.run([c.cli_path, "probe", c.p("in")], timeout=60)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())


@attack("folders", "a FIFO given by name does not block")
def _(c):
    os.mkfifo(c.p("fifo.avi"))
    r = convert(c, [c.p("fifo.avi")], 1, timeout=60)
    expect(r.rc == 1, "exit 1", r.text())


@attack("folders", "a UNIX socket named .avi in the tree is left out or fails")
def _(c):
    import socket
    tree(c, "in/a.avi")
    s = socket.socket(socket.AF_UNIX)
    s.bind(c.p("in/sock.avi"))
    c.cleanups.append(s.close)
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.p("in")], timeout=90)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())


@attack("folders", "files made and removed while the folder is listed")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    stop = threading.Event()

    def churn():
        i = 0
        while not stop.is_set():
            path = c.p("in/churn%d.txt" % (i % 50))
            try:
                open(path, "w").close()
                os.remove(c.p("in/churn%d.txt" % ((i + 25) % 50)))
            except OSError:
                pass
            i += 1
    worker = threading.Thread(target=churn)
    worker.start()
    try:
        r = convert(c, [c.p("in")], 2)
    finally:
        stop.set()
        worker.join()
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "a source removed between listing and its turn: a Failure line")
def _(c):
    tree(c, "in/a.avi", "in/b.avi", "in/c.avi")
    stop = threading.Event()

    def remove():
        wait_for(lambda: stop.is_set() or os.path.isdir(c.p("out")), 60, 0.01)
        try:
            os.remove(c.p("in/c.avi"))
        except OSError:
            pass
    worker = threading.Thread(target=remove)
    worker.start()
    try:
        r = convert(c, [c.p("in")], None, "--jobs", "1")
    finally:
        stop.set()
        worker.join()
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(len(r.lines) in (2, 3), "a line for every file listed", r.lines)


@attack("folders", "--no-recursive leaves the subfolders out")
def _(c):
    tree(c, "in/a.avi", "in/s/b.avi", "in/s/t/c.avi")
    r = convert(c, [c.p("in")], 1, "--no-recursive")
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "probe of a tree 60 folders deep finds the deepest file")
def _(c):
    path = c.p("in")
    for i in range(60):
        path = os.path.join(path, "d")
    os.makedirs(path)
    c.copy("wav", os.path.join(path, "deep.wav"))
    r = c.run([c.cli_path, "probe", c.p("in")], timeout=60)
    expect(r.rc == 0 and b"deep.wav" in r.out, "the deep file probed", r.text())


@attack("folders", "an empty folder: a clear message, no crash")
def _(c):
    os.makedirs(c.p("in/empty"))
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.p("in")], timeout=30)
    expect(r.rc in (0, 1, 2) and r.err.strip(), "a message", r.text())


@attack("folders", "a folder of only hidden files and hidden folders adds nothing")
def _(c):
    tree(c, "in/.hidden.avi", "in/.h/a.avi", "in/v.avi")
    r = convert(c, [c.p("in")], 1)
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "a folder named like a video (x.avi/) is walked, not opened")
def _(c):
    tree(c, "in/x.avi/a.avi")
    r = convert(c, [c.p("in")], 1)
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "the same folder given twice, and a file of it too")
def _(c):
    tree(c, "in/a.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.p("in"), c.p("in"), c.p("in/a.avi")], timeout=180)
    expect(r.rc in (0, 1, 2), "an ordinary end", r.text())
    if r.rc != 2:
        expect(len(r.lines) in (1, 3), "one line per file given or per distinct file", r.lines)


@attack("folders", "a folder given with a trailing slash and as '..'")
def _(c):
    tree(c, "in/s/a.avi")
    r = convert(c, [".."], 1, cwd=c.p("in/s"), out=c.p("out"))
    expect(r.rc == 0, "exit 0", r.text())
    r = convert(c, [c.p("in") + "/"], 1, out=c.p("out2"))
    expect(r.rc == 0, "exit 0", r.text())


@attack("folders", "the root of a 64 KB tmpfs full of files as output of a folder run")
def _(c):
    os.makedirs(c.p("small"))
    if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", c.p("small")]).returncode:
        raise Fail("tmpfs mounts", "mount failed")
    c.cleanups.append(lambda: subprocess.run(["umount", "-l", c.p("small")]))
    tree(c, "in/a.avi", "in/b.avi")
    r = convert(c, [c.p("in")], 2, out=c.p("small"))
    expect(r.rc == 1, "exit 1 (no room)", r.text())


# --- --keep-tree


@attack("keep-tree", "a relative path with '..' stays below the output folder")
def _(c):
    tree(c, "in/s/a.avi")
    os.makedirs(c.p("work/w"))
    r = convert(c, ["../../in/s/a.avi"], 1, "--keep-tree", out=c.p("out"), cwd=c.p("work/w"))
    made = outputs(c.p("out"))
    expect(len(made) == 1 and all(p.startswith(c.p("out") + "/") for p in made), "one output below out", made)
    expect(not os.path.exists(c.p("in/s/a.mp4")) and not outputs(c.p("work")), "nothing beside", r.lines)


@attack("keep-tree", "an absolute file path stays below the output folder")
def _(c):
    tree(c, "in/s/a.avi")
    convert(c, [c.p("in/s/a.avi")], 1, "--keep-tree", cwd="/")
    made = outputs(c.p("out"))
    expect(len(made) == 1, "one output below out", made)
    expect(not outputs(c.p("in")) or outputs(c.p("in")) == [c.p("in/s/a.avi")], "nothing beside the source",
           outputs(c.p("in")))


@attack("keep-tree", "a folder given as in/s/../s/.. stays below the output folder")
def _(c):
    tree(c, "in/s/a.avi", "in/t/b.avi")
    convert(c, [c.p("in/s/../t/..")], 2, "--keep-tree")
    made = outputs(c.p("out"))
    expect(len(made) == 2 and all(p.startswith(c.p("out") + "/") for p in made), "two outputs below out", made)


@attack("keep-tree", "a folder given as / path through a link still stays below out")
def _(c):
    tree(c, "real/s/a.avi")
    os.symlink(c.p("real"), c.p("link"))
    convert(c, [c.p("link")], 1, "--keep-tree")
    made = outputs(c.p("out"))
    expect(len(made) == 1 and made[0].startswith(c.p("out") + "/s/"), "out/s/a.*", made)


@attack("keep-tree", "a subfolder name that is a file in the output: Failure, the file kept")
def _(c):
    tree(c, "in/s/a.avi", "in/b.avi")
    c.write("out/s", b"precious")
    r = convert(c, [c.p("in")], 2, "--keep-tree")
    expect(open(c.p("out/s"), "rb").read() == b"precious", "the file kept", "changed")
    recs = {os.path.basename(rec[1]): rec for rec in r.records()}
    expect(recs.get("a.avi", [""])[0] == "Failure", "a Failure line for a.avi", r.lines)
    expect(recs.get("b.avi", [""])[0] == "Completed", "b.avi converted", r.lines)


@attack("keep-tree", "a subfolder that is a link to a file in the output: Failure, no write through it")
def _(c):
    tree(c, "in/s/a.avi")
    c.write("target", b"precious")
    os.makedirs(c.p("out"))
    os.symlink(c.p("target"), c.p("out/s"))
    r = convert(c, [c.p("in")], 1, "--keep-tree")
    expect(open(c.p("target"), "rb").read() == b"precious", "the file kept", "changed")
    expect(r.rc == 1, "exit 1", r.text())


@attack("keep-tree", "a read-only subfolder in the output (as a user): Failure with the reason")
def _(c):
    tree(c, "in/s/a.avi", "in/b.avi")
    os.makedirs(c.p("out/s"))
    os.chmod(c.p("out"), 0o777)
    os.chmod(c.p("out/s"), 0o555)
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--keep-tree", c.p("in")], user="nobody")
    recs = {os.path.basename(rec[1]): rec for rec in r.records()}
    expect(recs.get("a.avi", [""])[0] == "Failure" and "ermission" in recs["a.avi"][2],
           "Failure: Permission denied", r.lines)
    expect(recs.get("b.avi", [""])[0] == "Completed", "b.avi converted", r.lines)


@attack("keep-tree", "a tree deeper than PATH_MAX: a Failure line, no crash")
def _(c):
    fd = os.open(c.folder, os.O_RDONLY)
    rel = []
    for i in range(24):
        name = "d%02d" % i + "x" * 200
        os.mkdir(name, dir_fd=fd)
        new = os.open(name, os.O_RDONLY, dir_fd=fd)
        os.close(fd)
        fd = new
        rel.append(name)
    data = open(c.media.path("avi"), "rb").read()
    out_fd = os.open("a.avi", os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=fd)
    os.write(out_fd, data)
    os.close(out_fd)
    os.close(fd)
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--keep-tree", rel[0]], timeout=120)
    expect(r.rc in (0, 1, 2), "an ordinary end", r.text())
    expect(len(r.lines) <= 1, "at most one line", r.lines)
    if r.lines:
        expect(r.records()[0][0] in ("Completed", "Failure") and r.records()[0][2], "a line with a reason",
               r.lines)


@attack("keep-tree", "output folder path 3,000 bytes long plus a tree: no crash")
def _(c):
    tree(c, "in/s/t/a.avi")
    out = c.p(*(["o" * 250] * 12))
    r = c.run([c.cli_path, "convert", "--output", out, "--keep-tree", c.p("in")], timeout=120)
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(len(r.lines) == 1, "one line", r.lines)


@attack("keep-tree", "two sources of the same name in different folders: two outputs without (0)")
def _(c):
    tree(c, "in/x/a.avi", "in/y/a.avi")
    convert(c, [c.p("in")], 2, "--keep-tree")
    made = [os.path.relpath(p, c.p("out")) for p in outputs(c.p("out"))]
    expect(sorted(made) == ["x/a.mp4", "y/a.mp4"], "x/a.mp4 and y/a.mp4", made)


@attack("keep-tree", "--keep-tree with --merge: refused or one output")
def _(c):
    tree(c, "in/x/a.avi", "in/y/b.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--keep-tree", "--merge", c.p("in")])
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())
    if r.rc == 0:
        expect(len(outputs(c.p("out"))) == 1, "one output", outputs(c.p("out")))


@attack("keep-tree", "a source folder named '-rf' given after --, kept tree")
def _(c):
    tree(c, "in/-rf/a.avi")
    convert(c, ["in"], 1, "--keep-tree", cwd=c.folder)
    made = outputs(c.p("out"))
    expect(len(made) == 1 and "/-rf/" in made[0], "out/-rf/a.mp4", made)


@attack("keep-tree", "the output folder an existing file: exit 2 or a Failure, the file kept")
def _(c):
    tree(c, "in/a.avi")
    c.write("out", b"precious")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--keep-tree", c.p("in")])
    expect(r.rc in (1, 2), "exit 1 or 2", r.text())
    expect(open(c.p("out"), "rb").read() == b"precious", "the file kept", "changed")


@attack("keep-tree", "a taken name in a kept subfolder gets (0)")
def _(c):
    tree(c, "in/s/a.avi")
    c.write("out/s/a.mp4", b"precious")
    convert(c, [c.p("in")], 1, "--keep-tree")
    expect(os.path.exists(c.p("out/s/a(0).mp4")), "out/s/a(0).mp4", outputs(c.p("out")))


# --- --skip-done


def _first(c, *args):
    tree(c, "in/a.avi", "in/b.avi")
    r = convert(c, [c.p("in")], 2, *args)
    expect(r.rc == 0, "the first run completes", r.text())
    return c.p("out/a.mp4")


def _skip_done(damage, skipped_ok):
    def case(c):
        first = _first(c)
        damage(c, first)
        r = convert(c, [c.p("in")], 2, "--skip-done")
        recs = {os.path.basename(rec[1]): rec for rec in r.records()}
        a = recs.get("a.avi", ["?"])
        expect(recs.get("b.avi", [""])[0] == "Skipped", "b.avi Skipped", r.lines)
        if not skipped_ok:
            expect(a[0] == "Completed", "a.avi converted again", r.lines)
        else:
            expect(a[0] in ("Completed", "Skipped"), "a.avi skipped or converted", r.lines)
    return case


def _truncate(fraction):
    def damage(c, path):
        size = os.path.getsize(path)
        os.truncate(path, int(size * fraction))
    return damage


def _zero_middle(c, path):
    size = os.path.getsize(path)
    with open(path, "r+b") as f:
        f.seek(size // 3)
        f.write(b"\0" * (size // 3))


def _garbage(c, path):
    with open(path, "wb") as f:
        f.write(os.urandom(os.path.getsize(c.p("out/b.mp4"))))


def _dir(c, path):
    os.remove(path)
    os.makedirs(path)


def _link_to_good(c, path):
    os.rename(path, c.p("good.mp4"))
    os.symlink(c.p("good.mp4"), path)


def _link_to_zero(c, path):
    os.remove(path)
    os.symlink("/dev/zero", path)


def _fifo(c, path):
    os.remove(path)
    os.mkfifo(path)


def _shorter(c, path):
    os.remove(path)
    subprocess.run([c.cli_path, "convert", "--output", c.p("short"), "--end", "00:00:01", c.p("in/a.avi")],
                   capture_output=True, env=c.env(), timeout=120)
    os.rename(c.p("short/a.mp4"), path)


def _other_source(c, path):
    os.remove(path)
    c.copy("long.avi", "long.avi")
    subprocess.run([c.cli_path, "convert", "--output", c.p("long"), c.p("long.avi")],
                   capture_output=True, env=c.env(), timeout=240)
    os.rename(c.p("long/long.mp4"), path)


def _unreadable(c, path):
    os.chmod(path, 0)


def _header_only(c, path):
    with open(path, "r+b") as f:
        f.truncate(64)


for what, damage, ok in [
        ("zero-length", _truncate(0), False), ("truncated to half", _truncate(0.5), False),
        ("truncated by one byte", _truncate(0.9999), False), ("cut to its first 64 bytes", _header_only, False),
        ("random bytes of the same length", _garbage, False), ("zeroed in its middle third", _zero_middle, False),
        ("a directory", _dir, False), ("a link to /dev/zero", _link_to_zero, False),
        ("a FIFO", _fifo, False), ("one second long (an --end run)", _shorter, False),
        ("12 s long (of another source)", _other_source, False),
        ("a link to a complete output", _link_to_good, True), ("mode 000", _unreadable, True)]:
    attack("skip-done", "an earlier output %s" % what)(_skip_done(damage, ok))


@attack("skip-done", "a second run skips every file and writes nothing")
def _(c):
    _first(c)
    before = digest_tree(c.p("out"))
    r = convert(c, [c.p("in")], 2, "--skip-done")
    expect(r.rc == 0 and all(rec[0] == "Skipped" for rec in r.records()), "two Skipped lines, exit 0", r.text())
    expect(digest_tree(c.p("out")) == before, "nothing written", "changed")


@attack("skip-done", "an earlier run with --end: a full run does not skip")
def _(c):
    tree(c, "in/a.avi")
    convert(c, [c.p("in")], 1, "--end", "00:00:01")
    r = convert(c, [c.p("in")], 1, "--skip-done")
    expect(r.records()[0][0] == "Completed", "converted again", r.lines)


@attack("skip-done", "an earlier full run: a --end 00:00:01 run does not take it as done")
def _(c):
    tree(c, "in/a.avi")
    convert(c, [c.p("in")], 1)
    r = convert(c, [c.p("in")], 1, "--skip-done", "--end", "00:00:01")
    expect(r.records()[0][0] == "Completed", "converted again", r.lines)


@attack("skip-done", "an earlier output of another profile's extension is not taken")
def _(c):
    tree(c, "in/a.avi")
    convert(c, [c.p("in")], 1, "--extension", ".mkv")
    r = convert(c, [c.p("in")], 1, "--skip-done")
    expect(r.records()[0][0] == "Completed", "converted again", r.lines)


@attack("skip-done", "two runs at once on the same tree: each file done, nothing replaced")
def _(c):
    tree(c, "in/a.avi", "in/b.avi", "in/c.avi", "in/d.avi")
    argv = [c.cli_path, "convert", "--output", c.p("out"), "--skip-done", "--jobs", "1", c.p("in")]
    ps = [subprocess.Popen(argv, env=c.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE) for _ in range(2)]
    results = [p.communicate(timeout=300) for p in ps]
    for p, (out, err) in zip(ps, results):
        expect(p.returncode in (0, 1), "exit 0 or 1", (p.returncode, err[-300:]))
        expect(out.count(b"\n") == 4, "four lines", out)
    for path in outputs(c.p("out")):
        ok, why = ffprobe_ok(path)
        expect(ok, "%s decodes" % path, why)
    expect(not [f for f in os.listdir(c.p("out")) if f.startswith(".")], "no temporary files",
           os.listdir(c.p("out")))


@attack("skip-done", "a third run after two concurrent runs skips everything")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    argv = [c.cli_path, "convert", "--output", c.p("out"), "--skip-done", "--jobs", "1", c.p("in")]
    ps = [subprocess.Popen(argv, env=c.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE) for _ in range(2)]
    for p in ps:
        p.communicate(timeout=300)
    r = convert(c, [c.p("in")], 2, "--skip-done")
    expect(all(rec[0] == "Skipped" for rec in r.records()), "all Skipped", r.lines)


@attack("skip-done", "--skip-done with --keep-tree finds the kept outputs")
def _(c):
    tree(c, "in/s/a.avi", "in/t/b.avi")
    convert(c, [c.p("in")], 2, "--keep-tree")
    r = convert(c, [c.p("in")], 2, "--keep-tree", "--skip-done")
    expect(all(rec[0] == "Skipped" for rec in r.records()), "all Skipped", r.lines)


@attack("skip-done", "--skip-done with --merge: refused or one output")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--skip-done", "--merge", c.p("in")])
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())


# --- watch


class Watch:
    def __init__(self, c, folder, *args, out=None, env=None):
        self.c = c
        self.out = out or c.p("out")
        argv = [c.cli_path, "watch", "--output", self.out] + list(args) + [folder]
        self.p = subprocess.Popen(argv, env=env or c.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                  stdin=subprocess.DEVNULL, cwd=c.folder)
        c.cleanups.append(lambda: self.p.poll() is None and self.p.kill())
        self.lines = []
        self.err = b""
        self.reader = threading.Thread(target=self._read)
        self.reader.start()
        self.err_reader = threading.Thread(target=self._read_err)
        self.err_reader.start()

    def _read(self):
        for line in self.p.stdout:
            self.lines.append(line.decode("utf-8", "replace").rstrip("\n"))

    def _read_err(self):
        self.err = self.p.stderr.read()

    def wait_lines(self, n, seconds=90):
        return wait_for(lambda: len(self.lines) >= n or self.p.poll() is not None, seconds, 0.2)

    def stop(self, sig=signal.SIGTERM, within=30):
        if self.p.poll() is None:
            self.p.send_signal(sig)
        try:
            self.p.wait(timeout=within)
        except subprocess.TimeoutExpired:
            self.p.kill()
            raise Fail("watch ends within %d s of SIG%s" % (within, sig.name[3:]), "still running")
        self.reader.join(10)
        self.err_reader.join(10)
        from harness import SANITIZER
        expect(not SANITIZER.search(self.err), "no sanitizer report", self.err[-900:])
        return self.p.returncode

    def check_outputs(self):
        for path in outputs(self.out):
            ok, why = ffprobe_ok(path)
            expect(ok, "%s decodes" % path, why)


def _records(lines):
    return [line.split("\t") for line in lines]


@attack("watch", "a file written slowly over 6 s is converted once, complete")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    data = open(c.media.path("avi"), "rb").read()
    with open(c.p("in/slow.avi"), "wb") as f:
        step = len(data) // 12 + 1
        for i in range(0, len(data), step):
            f.write(data[i:i + step])
            f.flush()
            time.sleep(0.5)
    w.wait_lines(1)
    time.sleep(2)
    rc = w.stop()
    expect(rc == 143 or rc == 0, "exit 143", (rc, w.err[-300:]))
    expect(len(w.lines) == 1 and w.lines[0].startswith("Completed"), "one Completed line", w.lines)
    w.check_outputs()


@attack("watch", "a file written slowly with the writer pausing 5 s, kept open: converted complete")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    data = open(c.media.path("avi"), "rb").read()
    with open(c.p("in/pause.avi"), "wb") as f:
        f.write(data[:len(data) // 2])
        f.flush()
        time.sleep(5)
        f.write(data[len(data) // 2:])
    w.wait_lines(1)
    time.sleep(3)
    w.stop()
    recs = _records(w.lines)
    expect(recs and recs[-1][0] == "Completed", "a Completed line for the whole file", w.lines)
    expect(len(outputs(c.p("out"))) == 1, "one output", outputs(c.p("out")))
    w.check_outputs()
    ok, _ = ffprobe_ok(outputs(c.p("out"))[0])
    dur = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0",
                          outputs(c.p("out"))[0]], capture_output=True, text=True).stdout.strip()
    expect(float(dur or 0) > 1.8, "the whole 2 s converted", dur)


@attack("watch", "a file renamed in from a hidden name is converted once")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    c.copy("avi", "in/.part")
    os.rename(c.p("in/.part"), c.p("in/renamed.avi"))
    w.wait_lines(1)
    time.sleep(2)
    w.stop()
    expect(len(w.lines) == 1 and w.lines[0].startswith("Completed"), "one Completed line", w.lines)
    w.check_outputs()


@attack("watch", "a file moved in from another folder is converted once")
def _(c):
    os.makedirs(c.p("in"))
    c.copy("avi", "outside.avi")
    w = Watch(c, c.p("in"))
    time.sleep(1)
    os.rename(c.p("outside.avi"), c.p("in/moved.avi"))
    w.wait_lines(1)
    time.sleep(2)
    w.stop()
    expect(len(w.lines) == 1 and w.lines[0].startswith("Completed"), "one Completed line", w.lines)


@attack("watch", "a subfolder made after the start is watched too")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    os.makedirs(c.p("in/new/deeper"))
    time.sleep(0.5)
    c.copy("avi", "in/new/deeper/x.avi")
    w.wait_lines(1)
    w.stop()
    expect(len(w.lines) == 1 and w.lines[0].startswith("Completed"), "one Completed line", w.lines)


@attack("watch", "a source deleted while it is converted: a Failure line, nothing left, watch goes on")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    c.copy("long.avi", "in/long.avi")
    wait_for(lambda: outputs(c.p("out")) if os.path.isdir(c.p("out")) else False, 30, 0.1)
    os.remove(c.p("in/long.avi"))
    time.sleep(1)
    c.copy("avi", "in/after.avi")
    w.wait_lines(2, 120)
    alive = w.p.poll() is None
    w.stop()
    expect(alive, "watch still running", w.err[-300:])
    w.check_outputs()
    recs = _records(w.lines)
    expect(any(r[0] == "Completed" and r[1].endswith("after.avi") for r in recs), "after.avi converted", w.lines)


for sub in ("out", "", "a/b/out"):
    def _inside(c, sub=sub):
        os.makedirs(c.p("in"))
        c.copy("avi", "in/a.avi")
        out = c.p("in", sub) if sub else c.p("in")
        r = c.run([c.cli_path, "watch", "--output", out, c.p("in")], timeout=20)
        expect(r.rc == 2 and r.err.strip(), "refused with exit 2 and a message", r.text())
        expect(sub == "" or not os.path.exists(out), "nothing made by a refused command", out)
    attack("watch", "the output folder %r inside the watched folder is refused" % sub)(_inside)


@attack("watch", "files present at the start: converted once; a restart converts nothing")
def _(c):
    tree(c, "in/a.avi", "in/b.avi")
    w = Watch(c, c.p("in"))
    w.wait_lines(2)
    w.stop()
    expect(len(w.lines) == 2, "two lines", w.lines)
    w2 = Watch(c, c.p("in"))
    time.sleep(6)
    w2.stop()
    expect(len(w2.lines) == 0, "nothing converted again", w2.lines)


def _state_case(damage):
    def case(c):
        tree(c, "in/a.avi")
        w = Watch(c, c.p("in"))
        w.wait_lines(1)
        w.stop()
        state = c.p("out/.korbanix-watch")
        expect(os.path.exists(state), "the state file kept", os.listdir(c.p("out")))
        damage(c, state)
        c.copy("avi", "in/b.avi")
        w2 = Watch(c, c.p("in"))
        w2.wait_lines(1)
        time.sleep(4)
        rc = w2.stop()
        expect(rc in (143, 0, 1), "an ordinary end", (rc, w2.err[-300:]))
        expect(any(line.startswith("Completed") and "b.avi" in line for line in w2.lines), "b.avi converted",
               (w2.lines, w2.err[-300:]))
        w2.check_outputs()
    return case


def _st_garbage(c, state):
    with open(state, "wb") as f:
        f.write(os.urandom(5000))


def _st_truncated(c, state):
    data = open(state, "rb").read()
    with open(state, "wb") as f:
        f.write(data[:len(data) // 2])


def _st_empty(c, state):
    open(state, "w").close()


def _st_link(c, state):
    c.write("victim", b"precious")
    os.remove(state)
    os.symlink(c.p("victim"), state)
    c.cleanups.insert(0, lambda: expect(open(c.p("victim"), "rb").read() == b"precious",
                                        "a linked state file's target untouched", "written"))


def _st_link_check(c):
    expect(open(c.p("victim"), "rb").read() == b"precious", "a linked state file's target untouched", "written")


def _st_readonly(c, state):
    os.chmod(state, 0o444)
    subprocess.run(["chattr", "+i", state], capture_output=True)
    c.cleanups.append(lambda: subprocess.run(["chattr", "-i", state], capture_output=True))


def _st_dir(c, state):
    os.remove(state)
    os.makedirs(state)


def _st_fifo(c, state):
    os.remove(state)
    os.mkfifo(state)


def _st_huge(c, state):
    with open(state, "ab") as f:
        f.write(b"x" * (50 << 20))


def _st_nul(c, state):
    with open(state, "ab") as f:
        f.write(b"\0\0\0/etc/passwd\n")


for what, damage in [("random bytes", _st_garbage), ("truncated", _st_truncated), ("empty", _st_empty),
                     ("a link to another file", _st_link), ("read-only and immutable", _st_readonly),
                     ("a directory", _st_dir), ("a FIFO", _st_fifo), ("grown by 50 MB", _st_huge),
                     ("with NUL bytes appended", _st_nul)]:
    attack("watch", "the state file %s: the next start goes on" % what)(_state_case(damage))


@attack("watch", "the state file a link: its target never written")
def _(c):
    tree(c, "in/a.avi")
    os.makedirs(c.p("out"))
    c.write("victim", b"precious")
    os.symlink(c.p("victim"), c.p("out/.korbanix-watch"))
    w = Watch(c, c.p("in"))
    w.wait_lines(1)
    w.stop()
    _st_link_check(c)


for sig, rc in [(signal.SIGINT, 130), (signal.SIGTERM, 143), (signal.SIGHUP, 129)]:
    def _sig(c, sig=sig, rc=rc):
        tree(c, "in/a.avi")
        w = Watch(c, c.p("in"))
        time.sleep(1.5)
        c.copy("long.avi", "in/long.avi")
        wait_for(lambda: os.path.isdir(c.p("out")) and outputs(c.p("out")), 30, 0.1)
        time.sleep(0.5)
        got = w.stop(sig, within=20)
        expect(got == rc, "exit %d" % rc, (got, w.err[-300:]))
        w.check_outputs()
        expect(not [f for f in os.listdir(c.p("out")) if f.startswith(".") and f != ".korbanix-watch"],
               "no temporary files", os.listdir(c.p("out")))
    attack("watch", "SIG%s while converting: a playable output and exit %d" % (sig.name[3:], rc))(_sig)


@attack("watch", "two SIGINTs while converting: ends at once")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    c.copy("long.avi", "in/long.avi")
    wait_for(lambda: os.path.isdir(c.p("out")) and outputs(c.p("out")), 30, 0.1)
    w.p.send_signal(signal.SIGINT)
    time.sleep(0.1)
    w.p.send_signal(signal.SIGINT)
    started = time.monotonic()
    rc = w.stop(signal.SIGINT, within=10)
    expect(time.monotonic() - started < 2, "ends within 2 s", time.monotonic() - started)
    expect(rc == 130, "exit 130", rc)


@attack("watch", "SIGTERM while idle: exit 143 within 2 s")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1.5)
    started = time.monotonic()
    rc = w.stop()
    # A stop while nothing is converted is the watch's ordinary end: status 0.
    expect(time.monotonic() - started < 2 and rc in (0, 143), "exit 0 within 2 s", (rc, time.monotonic() - started))


@attack("watch", "SIGPIPE-free: stdout closed by the reader, a file arrives")
def _(c):
    os.makedirs(c.p("in"))
    p = subprocess.Popen([c.cli_path, "watch", "--output", c.p("out"), c.p("in")], env=c.env(),
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    c.cleanups.append(lambda: p.poll() is None and p.kill())
    p.stdout.close()
    time.sleep(1)
    c.copy("avi", "in/a.avi")
    time.sleep(10)
    if p.poll() is None:
        p.send_signal(signal.SIGTERM)
    p.wait(30)
    err = p.stderr.read()
    expect(p.returncode in (0, 1, 141, 143), "an ordinary end", (p.returncode, err[-300:]))


@attack("watch", "a watched folder that does not exist / is a file: exit 2 with a message")
def _(c):
    c.write("file", b"x")
    for target in (c.p("missing"), c.p("file")):
        r = c.run([c.cli_path, "watch", "--output", c.p("out"), target], timeout=10)
        expect(r.rc == 2 and r.err.strip(), "exit 2 with a message", r.text())


@attack("watch", "the watched folder removed while watching: a message and an end")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    os.rmdir(c.p("in"))
    ended = wait_for(lambda: w.p.poll() is not None, 10)
    rc = w.stop()
    expect(rc in (0, 1, 143), "an ordinary end", (rc, ended, w.err[-300:]))


@attack("watch", "two watch processes on the same folder: each file converted once")
def _(c):
    os.makedirs(c.p("in"))
    w1 = Watch(c, c.p("in"))
    w2 = Watch(c, c.p("in"))
    time.sleep(1.5)
    c.copy("avi", "in/a.avi")
    time.sleep(15)
    w1.stop()
    w2.stop()
    n = len(outputs(c.p("out")))
    expect(n == 1, "one output (the second watcher sees it taken)", outputs(c.p("out")))


@attack("watch", "a broken file is tried twice, then left with its Failure line")
def _(c):
    os.makedirs(c.p("in"))
    w = Watch(c, c.p("in"))
    time.sleep(1)
    c.write("in/bad.avi", os.urandom(30000))
    time.sleep(10)
    w.stop()
    fails = [line for line in w.lines if line.startswith("Failure")]
    expect(1 <= len(fails) <= 2, "one or two Failure lines", w.lines)
    w2 = Watch(c, c.p("in"))
    time.sleep(5)
    w2.stop()
    expect(len([line for line in w2.lines if line.startswith("Failure")]) <= 1, "not tried forever", w2.lines)


# --- --copy-compatible and --exact-cut


def _ff(c, name, args):
    path = c.p(name)
    subprocess.run(["ffmpeg", "-v", "error", "-y"] + args + [path], check=True, timeout=300)
    return path


H264 = ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "libx264", "-preset", "ultrafast",
        "-pix_fmt", "yuv420p"]


def _codec_of(path, stream="v:0", what="codec_name"):
    return subprocess.run(["ffprobe", "-v", "error", "-select_streams", stream, "-show_entries", "stream=" + what,
                           "-of", "csv=p=0", path], capture_output=True, text=True).stdout.strip()


def _patch_avcc_level(path, level):
    data = bytearray(open(path, "rb").read())
    at = data.find(b"avcC")
    data[at + 7] = level
    open(path, "wb").write(bytes(data))


@attack("copy", "SPS level 6.2 behind an avcC claiming 1.0: not kept as it is")
def _(c):
    src = _ff(c, "lie.mp4", H264 + ["-bsf:v", "h264_metadata=level=6.2"])
    _patch_avcc_level(src, 10)
    r = convert(c, [src], 1, "--copy-compatible")
    out = outputs(c.p("out"))
    expect(out and _codec_of(out[0], what="level") != "62", "the video re-encoded", _codec_of(out[0], what="level"))


@attack("copy", "SPS level 3.0 behind an avcC claiming 6.2: an output that decodes")
def _(c):
    src = _ff(c, "lie.mp4", H264 + ["-bsf:v", "h264_metadata=level=3.0"])
    _patch_avcc_level(src, 62)
    convert(c, [src], 1, "--copy-compatible")


@attack("copy", "High 4:4:4 H.264 is not kept for a device")
def _(c):
    src = _ff(c, "444.mp4", ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "libx264",
                             "-preset", "ultrafast", "-pix_fmt", "yuv444p"])
    convert(c, [src], 1, "--copy-compatible")
    out = outputs(c.p("out"))
    expect(_codec_of(out[0], what="pix_fmt") == "yuv420p", "yuv420p output", _codec_of(out[0], what="pix_fmt"))


@attack("copy", "10-bit H.264 is not kept for a device")
def _(c):
    src = _ff(c, "10.mp4", ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "libx264",
                            "-preset", "ultrafast", "-pix_fmt", "yuv420p10le"])
    convert(c, [src], 1, "--copy-compatible")
    out = outputs(c.p("out"))
    expect(_codec_of(out[0], what="pix_fmt") == "yuv420p", "yuv420p output", _codec_of(out[0], what="pix_fmt"))


@attack("copy", "a stream whose picture size changes midway (TS): an output that decodes")
def _(c):
    a = _ff(c, "a.ts", H264 + ["-an", "-bsf:v", "h264_mp4toannexb"])
    b = _ff(c, "b.ts", ["-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25", "-t", "2", "-c:v", "libx264",
                        "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-an"])
    with open(c.p("mixed.ts"), "wb") as f:
        f.write(open(a, "rb").read() + open(b, "rb").read())
    convert(c, [c.p("mixed.ts")], 1, "--copy-compatible")


@attack("copy", "raw Annex B H.264 (no extradata): an output that decodes")
def _(c):
    src = _ff(c, "raw.h264", H264 + ["-f", "h264"])
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--copy-compatible", src])
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    for path in outputs(c.p("out")):
        ok, why = ffprobe_ok(path)
        expect(ok, "decodes", why)


@attack("copy", "H.264 in MKV without codec private data (TS source copy): an output that decodes")
def _(c):
    ts = _ff(c, "a.ts", H264)
    src = _ff(c, "noextra.mkv", ["-i", ts, "-c", "copy"])
    convert(c, [src], 1, "--copy-compatible")


for name, args in [("hevc.mkv", ["-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error"]),
                   ("vp9.mkv", ["-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8"]),
                   ("av1.mkv", ["-c:v", "libsvtav1", "-preset", "12"])]:
    for profile in ("0", "3", "9"):
        def _kind(c, name=name, args=args, profile=profile):
            src = _ff(c, name, ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                                "sine=f=440", "-t", "2", "-pix_fmt", "yuv420p"] + args + ["-c:a", "libopus"])
            r = convert(c, [src], 1, "--copy-compatible", "--profile", profile)
            expect(r.rc == 0, "exit 0", r.text())
            out = outputs(c.p("out"))
            expect(_codec_of(out[0]) == "h264", "H.264 for an H.264 device", _codec_of(out[0]))
            expect(_codec_of(out[0], "a:0") == "aac", "AAC sound", _codec_of(out[0], "a:0"))
        attack("copy", "%s into profile %s: re-encoded for the device" % (name.split(".")[0].upper(), profile))(_kind)


@attack("copy", "a kept H.264 with --begin starts at a key frame and decodes")
def _(c):
    src = _ff(c, "k.mp4", ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "6", "-c:v", "libx264",
                           "-preset", "ultrafast", "-g", "50"])
    convert(c, [src], 1, "--copy-compatible", "--begin", "00:00:03")


for begin, end in [("00:00:10", None), ("00:00:02", None), ("00:00:01", "00:00:01"), ("00:00:00", "00:00:30"),
                   ("99:00:00", None), ("00:00:01", "00:00:10")]:
    for exact in (False, True):
        def _clip(c, begin=begin, end=end, exact=exact):
            src = c.copy("mp4")
            args = ["--copy-compatible", "--begin", begin] + (["--end", end] if end else []) + \
                (["--exact-cut"] if exact else [])
            r = convert(c, [src], 1, *args)
            expect(r.rc in (0, 1, 2), "an ordinary end", r.text())
            if r.rc == 1:
                expect(r.records()[0][0] == "Failure" and len(r.records()[0][2]) > 5, "a reason", r.lines)
                expect(not outputs(c.p("out")), "no output", outputs(c.p("out")))
        attack("copy", "clip %s-%s of a 2 s file%s" % (begin, end or "end", ", exact cut" if exact else ""))(_clip)


@attack("copy", "--exact-cut without --copy-compatible: refused or harmless")
def _(c):
    src = c.copy("mp4")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--exact-cut", src])
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())


for what, kinds in [("H.264 MP4 and MPEG-4 AVI", ["mp4", "avi"]), ("AVI and H.264 MP4", ["avi", "mp4"]),
                    ("two H.264 MP4 of different sizes", ["mp4", "big"]), ("H.264 MP4 and a WAV", ["mp4", "wav"]),
                    ("H.264 MP4 and a still picture", ["mp4", "still.png"])]:
    def _merge(c, kinds=kinds):
        files = []
        for i, kind in enumerate(kinds):
            if kind == "big":
                files.append(_ff(c, "big.mp4", ["-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30", "-f", "lavfi",
                                                "-i", "sine", "-t", "2", "-c:v", "libx264", "-preset", "ultrafast",
                                                "-c:a", "aac", "-ac", "1", "-ar", "22050"]))
            else:
                files.append(c.copy(kind, "m%d.%s" % (i, kind.split(".")[-1])))
        r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--merge", "--copy-compatible"] + files,
                  timeout=240)
        expect(r.rc in (0, 1), "exit 0 or 1", r.text())
        made = outputs(c.p("out"))
        expect(len(made) <= 1, "one output at most", made)
        for path in made:
            ok, why = ffprobe_ok(path)
            expect(ok, "the merged output decodes", why)
            dur = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0",
                                  path], capture_output=True, text=True).stdout.strip()
            expect(float(dur or 0) > 3.5, "both parts in the output", dur)
    attack("copy", "merge of %s, copy-compatible" % what)(_merge)


# --- --target-size

# A bare number is megabytes (as the window's field takes it): "1" and "100" are sizes.
REFUSED_SIZES = ["0", "-1M", "-700 MB", "1B", "1 B", "1P", "1 PB", "1E", "nan", "inf", "NaNM", "infM",
                 "700MBB", "1e3M", "", " ", "M", "1.4.4G", "0x10M", "700 M B", "1,4G", "99999999999999999999999M",
                 "1.0e-3G", "-0", "+-1M", "700Mb"]


for value in REFUSED_SIZES:
    def _refused(c, value=value):
        src = c.copy("avi")
        r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--target-size", value, src], timeout=60)
        expect(r.rc == 2, "exit 2", r.text())
        expect(b"--target-size" in r.err, "the message names --target-size", r.err[-300:])
        expect(not os.path.exists(c.p("out")) or not os.listdir(c.p("out")), "nothing written",
               lambda: os.listdir(c.p("out")))
    attack("target-size", "--target-size %r is refused" % value)(_refused)


for value, limit in [("2M", 2000000), ("3000K", 3000000), ("2.5 MB", 2500000), ("4000k", 4000000),
                     ("3 MB", 3000000), ("1.8M", 1800000), ("2500KB", 2500000)]:
    def _fits(c, value=value, limit=limit):
        src = c.copy("long.avi")
        r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--target-size", value, src], timeout=300)
        expect(r.rc in (0, 2), "exit 0 or 2", r.text())
        if r.rc == 0:
            made = outputs(c.p("out"))
            expect(len(made) == 1 and os.path.getsize(made[0]) <= limit * 1.03, "within 3 %% of %d bytes" % limit,
                   [(m, os.path.getsize(m)) for m in made])
            ok, why = ffprobe_ok(made[0])
            expect(ok, "decodes", why)
        else:
            expect(b"--target-size" in r.err, "the reason", r.err[-300:])
    attack("target-size", "--target-size %s of a 12 s source fits" % value)(_fits)


@attack("target-size", "1 PB for a 2 s source: refused with a reason, or an ordinary output")
def _(c):
    src = c.copy("avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--target-size", "1000000G", src], timeout=120)
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())


@attack("target-size", "a one-frame source with --target-size 1M")
def _(c):
    src = _ff(c, "one.mkv", ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-frames:v", "1", "-c:v", "ffv1"])
    r = convert(c, [src], 1, "--target-size", "1M")
    expect(r.rc in (0, 1, 2), "an ordinary end", r.text())


@attack("target-size", "a 2 h source with --target-size 10K is refused quickly")
def _(c):
    src = c.copy("fat.mkv")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--target-size", "10K", src], timeout=60)
    expect(r.rc in (1, 2), "refused", r.text())
    expect(not outputs(c.p("out")) if os.path.isdir(c.p("out")) else True, "nothing written",
           outputs(c.p("out")))


@attack("target-size", "an audio-only source with --target-size 1M")
def _(c):
    src = c.copy("wav")
    r = convert(c, [src], 1, "--target-size", "1M")
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())


@attack("target-size", "--target-size with an audio profile: refused or harmless")
def _(c):
    src = c.copy("avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--profile", "14", "--target-size", "1M", src])
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())


@attack("target-size", "--target-size with --video-bitrate: refused as a conflict")
def _(c):
    src = c.copy("avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--video-bitrate", "512 kbps", "--target-size", "1M",
               src])
    expect(r.rc == 2, "exit 2", r.text())


for sig, at in [(signal.SIGINT, 1.0), (signal.SIGTERM, 2.0), (signal.SIGINT, 3.5)]:
    for profile in ("0", "1"):
        def _stop(c, sig=sig, at=at, profile=profile):
            src = c.copy("long.avi")
            os.makedirs(c.p("tmp"))
            env = c.env(TMPDIR=c.p("tmp"))
            p = subprocess.Popen([c.cli_path, "convert", "--output", c.p("out"), "--profile", profile,
                                  "--target-size", {"0": "3M", "1": "6M"}[profile], src], env=env, cwd=c.folder, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE)
            time.sleep(at)
            p.send_signal(sig)
            out, err = p.communicate(timeout=60)
            from harness import SANITIZER
            expect(not SANITIZER.search(err), "no sanitizer report", err[-900:])
            leftover = [os.path.join(b, f) for b, ds, fs in os.walk(c.p("tmp")) for f in ds + fs]
            expect(not leftover, "no pass log left", leftover)
            cwd_left = [f for f in os.listdir(c.folder) if "log" in f or "mbtree" in f or "stats" in f]
            expect(not cwd_left, "no pass log in the current folder", cwd_left)
            lines = out.decode(errors="replace").splitlines()
            if p.returncode == -sig:  # the signal came before the handler: nothing may be left
                made = outputs(c.p("out")) if os.path.isdir(c.p("out")) else []
                expect(not made, "nothing written", made)
                return
            expect(len(lines) == 1, "one line", (p.returncode, out, err[-300:]))
            status = lines[0].split("\t")[0]
            made = outputs(c.p("out")) if os.path.isdir(c.p("out")) else []
            if status == "Stopped":
                expect(len(made) == 1 and ffprobe_ok(made[0])[0], "a playable output", made)
            elif status == "Completed":
                expect(len(made) == 1, "one output", made)
            else:
                expect(not made, "no partial output", made)
            expect(p.returncode in (0, 128 + sig), "exit %d" % (128 + sig), p.returncode)
        attack("target-size", "SIG%s at %.1f s of a two-pass profile %s run: no log, no partial output"
               % (sig.name[3:], at, profile))(_stop)


@attack("target-size", "a two-pass run leaves no log in TMPDIR or the current folder")
def _(c):
    src = c.copy("avi")
    os.makedirs(c.p("tmp"))
    r = convert(c, [src], 1, "--target-size", "600K", env=c.env(TMPDIR=c.p("tmp")))
    expect(r.rc == 0, "exit 0", r.text())
    expect(not os.listdir(c.p("tmp")), "no log left", os.listdir(c.p("tmp")))


@attack("target-size", "TMPDIR unwritable: a clear failure or one pass, no crash")
def _(c):
    src = c.copy("avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--target-size", "600K", src],
              env=c.env(TMPDIR="/proc/nonexistent"))
    expect(r.rc in (0, 1), "exit 0 or 1", r.text())
    expect(len(r.lines) == 1, "one line", r.lines)


@attack("target-size", "merge of two sources with --target-size 3M fits")
def _(c):
    a = c.copy("avi", "a.avi")
    b = c.copy("long.avi", "b.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--merge", "--target-size", "3M", a, b], timeout=300)
    expect(r.rc in (0, 2), "exit 0 or 2", r.text())
    if r.rc == 0:
        made = outputs(c.p("out"))
        expect(len(made) == 1 and os.path.getsize(made[0]) <= 3090000, "one output within 3 % of 3 MB",
               [(m, os.path.getsize(m)) for m in made])


@attack("target-size", "merge with a missing file and --target-size: lines for each, no crash")
def _(c):
    a = c.copy("avi", "a.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--merge", "--target-size", "500K", a, c.p("no.avi")])
    expect(r.rc in (1, 2), "exit 1 or 2", r.text())


@attack("target-size", "--target-size with --jobs 4 and four sources: each fits")
def _(c):
    files = [c.copy("avi", "s%d.avi" % i) for i in range(4)]
    r = convert(c, files, 4, "--jobs", "4", "--target-size", "600K", timeout=300)
    expect(r.rc == 0, "exit 0", r.text())
    for path in outputs(c.p("out")):
        expect(os.path.getsize(path) <= 618000, "within 3 % of 600 KB", (path, os.path.getsize(path)))


@attack("target-size", "--target-size with --copy-compatible: refused or the size kept")
def _(c):
    src = c.copy("mp4")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "--copy-compatible", "--target-size", "50K", src])
    expect(r.rc in (0, 1, 2), "an ordinary end", r.text())
    if r.rc == 0:
        made = outputs(c.p("out"))
        expect(os.path.getsize(made[0]) <= 50000, "at most 50 KB", os.path.getsize(made[0]))
