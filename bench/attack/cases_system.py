"""korbanix-cli against names, folders, full disks, limits, FAT32 and signals."""
import os
import random
import signal
import subprocess
import time

from harness import Fail, Skip, attack, digest_tree, expect, ffprobe_ok, wait_for

# --- Odd names


def _name_case(name, null=False):
    def case(c):
        raw = name.encode("utf-8", "surrogateescape") if isinstance(name, str) else name
        src = os.path.join(c.folder.encode(), raw)
        with open(src, "wb") as f:
            f.write(open(c.media.path("avi"), "rb").read())
        out = c.p("out")
        args = [c.cli_path, "convert", "--output", out] + (["--null"] if null else []) + ["--", src]
        r = c.run(args)
        expect(r.rc == 0, "exit 0", r.text())
        made = os.listdir(out.encode())
        videos = [m for m in made if not m.endswith(b".THM")]
        expect(len(videos) == 1, "one output", made)
        ok, why = ffprobe_ok(os.path.join(out.encode(), videos[0]).decode("utf-8", "surrogateescape"))
        expect(ok, "the output decodes", why)
        if null:
            fields = r.out.split(b"\0")
            expect(len(fields) == 4 and fields[1] == src, "NUL fields with the name as it is", r.out[-300:])
        else:
            expect(len(r.lines) == 1 and b"\n" not in r.out.rstrip(b"\n"), "one line", r.out[-300:])
    return case


NAMES = [
    ("non-UTF-8 bytes", b"caf\xe9 \xff\xfe.avi"),
    ("a line break", "two\nlines.avi"),
    ("a carriage return", "cr\rname.avi"),
    ("a tab", "tab\tname.avi"),
    ("a leading dash", "-rf.avi"),
    ("a double leading dash", "--help.avi"),
    ("a percent pattern", "frame%03d.avi"),
    ("a protocol prefix", "concat:x.avi"),
    ("a pipe: prefix", "pipe:0.avi"),
    ("an http: prefix", "http:host.avi"),
    ("a backslash", "back\\slash.avi"),
    ("a name of 255 bytes", "n" * 251 + ".avi"),
    ("a name of 255 bytes with a short extension", "n" * 253 + ".a"),
    ("255 bytes of multibyte letters", "\u00e9" * 125 + ".avi"),
    ("only an extension", ".avi"),
    ("no extension", "noext"),
    ("spaces only", "   .avi"),
    ("an emoji", "\U0001F600.avi"),
    ("a DEL", "del\x7f.avi"),
    ("an escape sequence", "esc\x1b[31mred.avi"),
]

for what, name in NAMES:
    attack("names", "a source named with %s" % what)(_name_case(name))
attack("names", "a non-UTF-8 name with --null comes back as it is")(_name_case(b"caf\xe9\xff.avi", null=True))
attack("names", "a line break with --null comes back as it is")(_name_case("a\nb.avi", null=True))


@attack("names", "an unescaped leading-dash file without -- is not taken as an option silently")
def _(c):
    c.copy("avi", "-x.avi")
    r = c.run([c.cli_path, "convert", "--output", c.p("out"), "-x.avi"])
    expect(r.rc in (1, 2), "exit 1 or 2", r.text())


@attack("names", "255-byte name whose output name collides 30 times")
def _(c):
    stem = "k" * 251
    src = c.copy("avi", stem + ".avi")
    os.makedirs(c.p("out"))
    for i in [None] + list(range(30)):
        suffix = "(%d)" % i if i is not None else ""
        c.write(os.path.join("out", stem[:255 - 4 - len(suffix)] + suffix + ".mp4"), b"x")
    c.cli(files=[src], expect_rc=(0, 1))


# --- Output folders


@attack("folders", "an output folder that is a plain file is refused")
def _(c):
    c.write("out", b"keep me")
    c.cli(files=[c.copy("avi")], expect_rc=2)
    expect(open(c.p("out"), "rb").read() == b"keep me", "the file kept", "changed")


@attack("folders", "a read-only output folder gives Permission denied")
def _(c):
    os.makedirs(c.p("out"))
    os.chmod(c.p("out"), 0o555)
    r = c.cli(files=[c.copy("avi")], expect_rc=(1, 2), user="korbanix-test")
    if r.rc == 1:
        expect("Permission denied" in r.lines[0], "Permission denied", r.lines)


@attack("folders", "an output folder below a read-only folder")
def _(c):
    os.makedirs(c.p("ro"))
    os.chmod(c.p("ro"), 0o555)
    c.cli(files=[c.copy("avi")], out=c.p("ro", "a", "b"), expect_rc=2, user="korbanix-test")


@attack("folders", "an output folder that is a dangling symlink")
def _(c):
    os.symlink(c.p("nowhere"), c.p("out"))
    c.cli(files=[c.copy("avi")], expect_rc=(0, 2))


@attack("folders", "an output folder under /proc")
def _(c):
    c.cli(files=[c.copy("avi")], out="/proc/self/attack", expect_rc=(1, 2))


@attack("folders", "an output folder with a line break in its name")
def _(c):
    c.cli(files=[c.copy("avi")], out=c.p("o\nut"), expect_rc=0)


@attack("folders", "an existing output that is a symlink to a victim is not written through")
def _(c):
    victim = c.write("victim.txt", b"precious")
    os.makedirs(c.p("out"))
    os.symlink(victim, c.p("out", "src.mp4"))
    os.symlink(victim, c.p("out", "src.THM"))
    c.cli(files=[c.copy("avi")], expect_rc=0)
    expect(open(victim, "rb").read() == b"precious", "the victim untouched", "overwritten")


@attack("folders", "a dangling symlink under the output name is not followed")
def _(c):
    os.makedirs(c.p("out"))
    os.symlink(c.p("planted.mp4"), c.p("out", "src.mp4"))
    os.symlink(c.p("planted.THM"), c.p("out", "src.THM"))
    c.cli(files=[c.copy("avi")], expect_rc=0)
    expect(not os.path.exists(c.p("planted.mp4")) and not os.path.exists(c.p("planted.THM")),
           "nothing created through the links", os.listdir(c.folder))


@attack("folders", "an output name taken by a folder and a FIFO")
def _(c):
    os.makedirs(c.p("out", "src.mp4"))
    os.mkfifo(c.p("out", "src(0).mp4"))
    os.mkfifo(c.p("out", "src(1).THM"))
    c.cli(files=[c.copy("avi")], expect_rc=0, timeout=60)


@attack("folders", "the output folder removed while converting")
def _(c):
    src = c.copy("long.avi")
    os.makedirs(c.p("out"))
    p = subprocess.Popen([c.cli_path, "convert", "--output", c.p("out"), src], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, env=c.env(), cwd=c.folder)
    time.sleep(1.5)
    subprocess.run(["rm", "-rf", c.p("out")])
    out, err = p.communicate(timeout=120)
    expect(p.returncode in (0, 1), "exit 0 or 1", (p.returncode, err[-300:]))
    expect(len([l for l in out.split(b"\n") if l]) == 1, "one line", out)


# --- Full disks, limits


def _tmpfs(c, size):
    mount = c.p("disk")
    os.makedirs(mount)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%s,mode=0777" % size, "tmpfs", mount], check=True)
    c.cleanups.append(lambda: subprocess.run(["umount", "-l", mount]))
    return mount


@attack("disk", "a full disk (64 KB) fails the row with 'No space left' and leaves nothing")
def _(c):
    disk = _tmpfs(c, "64k")
    r = c.cli(files=[c.copy("avi")], out=os.path.join(disk, "out"), expect_rc=1)
    expect("No space left" in r.lines[0], "No space left on device", r.lines)


@attack("disk", "a disk that fills while converting leaves the existing files intact")
def _(c):
    disk = _tmpfs(c, "400k")
    os.makedirs(os.path.join(disk, "out"))
    c.write(os.path.join(disk, "out", "src.mp4"), os.urandom(100000))
    c.cli(files=[c.copy("long.avi")], out=os.path.join(disk, "out"), expect_rc=1)


@attack("disk", "room for the video but not its thumbnail")
def _(c):
    disk = _tmpfs(c, "1m")
    src = c.copy("avi")
    # Fill the disk to leave just about the output's size.
    c.write(os.path.join(disk, "fill"), b"\0" * (1048576 - 600 * 1024))
    c.cli(files=[src], out=disk, expect_rc=(0, 1))


@attack("disk", "ulimit -f gives 'File too large', exit 1, no partial")
def _(c):
    r = c.cli(files=[c.copy("avi")], expect_rc=1, limits="-f 100")
    expect("File too large" in r.lines[0], "File too large", r.lines)


@attack("disk", "ulimit -f during a merge")
def _(c):
    a, b = c.copy("avi", "a.avi"), c.copy("avi", "b.avi")
    c.cli("--merge", files=[a, b], expect_rc=1, limits="-f 300")


@attack("disk", "ulimit -n 20 (few descriptors) with 4 files and 4 jobs")
def _(c):
    files = [c.copy("avi", "f%d.avi" % i) for i in range(4)]
    c.cli("--jobs", "4", files=files, expect_rc=(0, 1), limits="-n 20")


@attack("disk", "ulimit -u 1 (no threads) fails honestly")
def _(c):
    c.cli(files=[c.copy("avi")], expect_rc=(1,), limits="-u 1", user="korbanix-test")


@attack("disk", "stdout is /dev/full: the failure to report is not success")
def _(c):
    with open("/dev/full", "wb") as full:
        r = c.run([c.cli_path, "convert", "--output", c.p("out"), c.copy("avi")], stdout=full,
                  stderr=subprocess.PIPE)
    expect(r.rc != 0, "a non-zero exit status", r.rc)


def _closed_fd(fd):
    def case(c):
        src = c.copy("avi")
        r = subprocess.run(["bash", "-c", 'exec %d>&- ; exec "$@"' % fd, "x", c.cli_path, "convert", "--output",
                            c.p("out"), src], env=c.env(), capture_output=(fd == 0), timeout=60,
                           stdin=subprocess.DEVNULL if fd != 0 else None)
        expect(r.returncode in (0, 1), "exit 0 or 1", r.returncode)
        for name in os.listdir(c.p("out")):
            if name.endswith(".mp4"):
                ok, why = ffprobe_ok(c.p("out", name))
                expect(ok, "an output unspoilt by messages written to fd %d" % fd, why)
    return case


for fd in (0, 1, 2):
    attack("disk", "fd %d closed at start" % fd)(_closed_fd(fd))


# --- FAT32


def _vfat(c):
    image = c.p("fat.img")
    subprocess.run(["truncate", "-s", "40M", image], check=True)
    subprocess.run(["mkfs.vfat", "-F", "32", image], check=True, capture_output=True)
    mount = c.p("fat")
    os.makedirs(mount)
    subprocess.run(["mount", "-o", "loop,umask=000", image, mount], check=True, capture_output=True)
    c.cleanups.append(lambda: subprocess.run(["umount", "-l", mount]))
    return mount


def _fat_case(shape):
    def case(c):
        try:
            fat = _vfat(c)
        except subprocess.CalledProcessError as e:
            raise Skip("no vfat mount here: %s" % e)
        out = fat
        if shape == "symlink":
            os.symlink(fat, c.p("link"))
            out = c.p("link")
        elif shape == "bind":
            os.makedirs(c.p("bound"))
            subprocess.run(["mount", "--bind", fat, c.p("bound")], check=True)
            c.cleanups.insert(0, lambda: subprocess.run(["umount", "-l", c.p("bound")]))
            out = c.p("bound")
        elif shape == "missing-below":
            out = os.path.join(fat, "new", "deeper")
        elif shape == "dotdot":
            os.makedirs(c.p("x"))
            out = os.path.join(c.p("x"), "..", "fat")
        elif shape == "relative":
            out = "fat"
        elif shape == "link-below":
            os.makedirs(os.path.join(fat, "real"))
            os.symlink(os.path.join(fat, "real"), c.p("below"))
            out = c.p("below")
        src = c.copy("fat.mkv")
        r = c.run([c.cli_path, "convert", "--profile", "3", "--video-bitrate", "8000 kbps", "--output", out, src],
                  timeout=60)
        expect(r.rc == 2 and b"FAT32" in r.err, "refused before starting (exit 2, FAT32 named)", r.text())
    return case


for shape in ("plain", "symlink", "bind", "missing-below", "dotdot", "relative", "link-below"):
    attack("fat32", "an expected 7 GB output to a FAT32 folder (%s) is refused" % shape)(_fat_case(shape))


# --- Signals


def _signal_case(sig, delay, jobs):
    def case(c):
        files = [c.copy("long.avi", "s%d.avi" % i) for i in range(3)]
        p = subprocess.Popen([c.cli_path, "convert", "--jobs", str(jobs), "--output", c.p("out")] + files,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=c.env(), cwd=c.folder)
        time.sleep(delay)
        p.send_signal(sig)
        try:
            out, err = p.communicate(timeout=120)
        except subprocess.TimeoutExpired:
            p.kill()
            raise Fail("ends after SIG%s" % sig.name[3:], "hung")
        made = os.listdir(c.p("out")) if os.path.isdir(c.p("out")) else []
        if p.returncode == -sig:  # before anything started, the signal's own default ends it
            expect(not made and not out, "nothing written when ended by the signal itself", (made, out))
            return
        expect(p.returncode in (0, 128 + sig), "exit 0 or %d" % (128 + sig), (p.returncode, err[-300:]))
        lines = [l.split(b"\t") for l in out.split(b"\n") if l]
        expect(len(lines) == 3, "three lines", out)
        for rec in lines:
            if rec[0] in (b"Completed", b"Stopped"):
                ok, why = ffprobe_ok(rec[2].decode())
                expect(ok, "a playable %s output" % rec[0].decode(), why)
        left = [n for n in os.listdir(c.p("out")) if n.startswith(".")] if os.path.isdir(c.p("out")) else []
        expect(not left, "no temporary files", left)
    return case


rng = random.Random(23)
for n in range(24):
    sig = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)[n % 3]
    delay = round(rng.uniform(0.05, 5.0), 2)
    attack("signals", "SIG%s after %.2f s with %d jobs" % (sig.name[3:], delay, 1 + n % 3))(
        _signal_case(sig, delay, 1 + n % 3))


@attack("signals", "a second SIGINT ends the program within 0.5 s")
def _(c):
    files = [c.copy("long.avi", "s%d.avi" % i) for i in range(3)]
    p = subprocess.Popen([c.cli_path, "convert", "--jobs", "3", "--output", c.p("out")] + files,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=c.env())
    time.sleep(2)
    p.send_signal(signal.SIGINT)
    time.sleep(0.1)
    p.send_signal(signal.SIGINT)
    t = time.monotonic()
    p.communicate(timeout=60)
    expect(time.monotonic() - t < 0.5, "ends within 0.5 s", "%.2f s" % (time.monotonic() - t))


@attack("signals", "SIGSTOP and SIGCONT in the middle do not break the run")
def _(c):
    src = c.copy("long.avi")
    p = subprocess.Popen([c.cli_path, "convert", "--output", c.p("out"), src], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, env=c.env())
    time.sleep(1)
    p.send_signal(signal.SIGSTOP)
    time.sleep(1)
    p.send_signal(signal.SIGCONT)
    out, err = p.communicate(timeout=120)
    expect(p.returncode == 0 and out.startswith(b"Completed"), "Completed", (p.returncode, out, err[-200:]))


@attack("signals", "SIGINT during probing of 300 files")
def _(c):
    src = c.copy("avi")
    files = [src] * 300
    p = subprocess.Popen([c.cli_path, "convert", "--output", c.p("out")] + files, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, env=c.env())
    time.sleep(1.0)
    p.send_signal(signal.SIGINT)
    out, err = p.communicate(timeout=120)
    expect(p.returncode in (0, 1, 130), "exit 130", p.returncode)
    expect(len([l for l in out.split(b"\n") if l]) == 300, "300 lines", len(out.split(b"\n")))


@attack("signals", "SIGPIPE on stdout leaves complete outputs")
def _(c):
    src = c.copy("avi")
    r = subprocess.run("'%s' convert --output '%s' '%s' '%s' | head -c 0" % (c.cli_path, c.p("out"), src, src),
                       shell=True, env=c.env(), capture_output=True, timeout=120)
    for name in os.listdir(c.p("out")):
        if name.endswith(".mp4"):
            ok, why = ffprobe_ok(c.p("out", name))
            expect(ok, "complete outputs", why)


@attack("signals", "SIGXFSZ sent by hand does not kill the converter")
def _(c):
    src = c.copy("long.avi")
    p = subprocess.Popen([c.cli_path, "convert", "--output", c.p("out"), src], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, env=c.env())
    time.sleep(1)
    p.send_signal(signal.SIGXFSZ)
    out, err = p.communicate(timeout=120)
    expect(p.returncode in (0, 1), "exit 0 or 1", p.returncode)
