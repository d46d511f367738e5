"""The attack harness: cases, the programs run under them, and the invariants every
run of korbanix-cli must keep whatever it is given.

A case is a function taking a Case (its own empty folder, media on demand, helpers
to run the programs) that returns normally when the programs held, or raises Fail
with what was attacked, what was expected and what happened.
"""
import hashlib
import os
import re
import shutil
import signal
import subprocess
import time

CASES = []


class Fail(Exception):
    def __init__(self, expected, got):
        super().__init__(expected)
        self.expected = expected
        self.got = got


class Skip(Exception):
    """The machine cannot stage this attack (a file system its kernel lacks)."""


def attack(group, what):
    def register(function):
        CASES.append((group, what, function))
        return function
    return register


def expect(condition, expected, got):
    if not condition:
        raise Fail(expected, got() if callable(got) else got)


SANITIZER = re.compile(rb"ERROR: (Address|Leak|Thread)Sanitizer|runtime error:|SUMMARY: \w+Sanitizer")


class Result:
    def __init__(self, rc, out, err, seconds):
        self.rc = rc
        self.out = out
        self.err = err
        self.seconds = seconds

    @property
    def lines(self):
        return [line for line in self.out.decode("utf-8", "replace").split("\n") if line]

    def records(self):
        return [line.split("\t") for line in self.lines]

    def text(self):
        return "rc=%s out=%r err=%r" % (self.rc, self.out[-400:], self.err[-600:])


class Media:
    """Small sources made once per round with FFmpeg's lavfi, copied into cases."""

    RECIPES = {
        "avi": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                "sine=f=440:sample_rate=44100", "-t", "2", "-c:v", "mpeg4", "-c:a", "mp2"],
        "long.avi": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                     "sine=f=440:sample_rate=44100", "-t", "12", "-c:v", "mpeg4", "-c:a", "mp2"],
        "mp4": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                "sine=f=440:sample_rate=44100", "-t", "2", "-c:v", "libx264", "-preset", "ultrafast",
                "-c:a", "aac"],
        "wav": ["-f", "lavfi", "-i", "sine=f=440:sample_rate=44100", "-t", "2", "-c:a", "pcm_s16le"],
        "video-only.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "mpeg4"],
        "two-audio.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                          "sine=f=440:sample_rate=44100", "-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo",
                          "-t", "2", "-map", "0:v", "-map", "1:a", "-map", "2:a", "-c:v", "mpeg4", "-c:a", "mp2",
                          "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=fre",
                          "-disposition:a:0", "default", "-disposition:a:1", "0"],
        "hdr.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-pix_fmt", "yuv420p10le",
                    "-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error",
                    "-color_primaries", "bt2020", "-color_trc", "smpte2084", "-colorspace", "bt2020nc"],
        "hlg.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-pix_fmt", "yuv420p10le",
                    "-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error",
                    "-color_primaries", "bt2020", "-color_trc", "arib-std-b67", "-colorspace", "bt2020nc"],
        "yuv444.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-pix_fmt", "yuv444p",
                       "-c:v", "ffv1"],
        "gray.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-pix_fmt", "gray",
                     "-c:v", "ffv1"],
        "rgb.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-pix_fmt", "bgr0",
                    "-c:v", "ffv1"],
        "pal8.gif": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=10", "-t", "1"],
        "mjpeg.avi": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "mjpeg",
                      "-pix_fmt", "yuvj422p"],
        "odd.mkv": ["-f", "lavfi", "-i", "testsrc2=size=161x121:rate=25", "-f", "lavfi", "-i",
                    "sine=f=440:sample_rate=44100", "-t", "2", "-c:v", "ffv1", "-c:a", "flac"],
        "tiny.mkv": ["-f", "lavfi", "-i", "testsrc2=size=2x2:rate=25", "-t", "1", "-c:v", "ffv1"],
        "bad-tags.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-t", "2", "-c:v", "ffv1",
                         "-color_primaries", "film", "-color_trc", "log316", "-colorspace", "ycgco",
                         "-color_range", "pc"],
        "surround.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                         "sine=f=440:sample_rate=48000", "-t", "2", "-c:v", "mpeg4", "-c:a", "flac",
                         "-af", "pan=7.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0|c6=c0|c7=c0"],
        "hirate.mkv": ["-f", "lavfi", "-i", "sine=f=440:sample_rate=192000", "-t", "2", "-c:a", "flac"],
        "lowrate.wav": ["-f", "lavfi", "-i", "sine=f=440:sample_rate=8000", "-t", "2", "-ac", "1"],
        "subs.mkv": ["-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                     "sine=f=440:sample_rate=44100", "-f", "srt", "-i", "{srt}", "-t", "2", "-map", "0", "-map",
                     "1", "-map", "2", "-c:v", "mpeg4", "-c:a", "mp2", "-c:s", "ass",
                     "-metadata:s:s:0", "language=eng", "-disposition:s:0", "forced"],
        "still.png": ["-f", "lavfi", "-i", "testsrc2=size=64x64", "-frames:v", "1"],
        "still.jpg": ["-f", "lavfi", "-i", "testsrc2=size=64x64", "-frames:v", "1"],
        "still.bmp": ["-f", "lavfi", "-i", "testsrc2=size=64x64", "-frames:v", "1"],
        "one.png": ["-f", "lavfi", "-i", "color=c=red:size=2x2", "-vf", "scale=1:1", "-frames:v", "1"],
        "huge.png": ["-f", "lavfi", "-i", "color=c=red:size=11000x11000", "-frames:v", "1"],
        "fat.mkv": ["-f", "lavfi", "-i", "color=c=blue:size=32x32:rate=1", "-t", "7200", "-c:v", "mpeg4"],
    }

    def __init__(self, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)

    def path(self, name):
        made = os.path.join(self.folder, name if "." in name else "src." + name)
        if not os.path.exists(made):
            recipe = [arg.replace("{srt}", self._srt()) for arg in self.RECIPES[name]]
            stem, extension = os.path.splitext(made)
            part = stem + ".part" + extension
            subprocess.run(["ffmpeg", "-v", "error", "-y"] + recipe + [part], check=True, timeout=600)
            os.rename(part, made)
        return made

    def _srt(self):
        srt = os.path.join(self.folder, "base.srt")
        if not os.path.exists(srt):
            with open(srt, "w") as f:
                f.write("1\n00:00:00,000 --> 00:00:01,500\nHello\n\n")
        return srt


def digest_tree(folder):
    """Every entry of a folder with what it holds, to see that nothing was replaced."""
    seen = {}
    for base, dirs, files in os.walk(folder):
        for name in files + dirs:
            path = os.path.join(base, name)
            try:
                st = os.lstat(path)
            except OSError:
                continue
            if os.path.islink(path):
                seen[path] = ("link", os.readlink(path))
            elif os.path.isfile(path):
                with open(path, "rb") as f:
                    seen[path] = ("file", hashlib.sha1(f.read()).hexdigest())
            else:
                seen[path] = ("other", st.st_mode)
    return seen


def ffprobe_ok(path):
    """An independent reader decodes the whole file without an error."""
    r = subprocess.run(["ffmpeg", "-v", "error", "-xerror", "-i", path, "-f", "null", "-"],
                       capture_output=True, timeout=120)
    return r.returncode == 0, r.stderr.decode("utf-8", "replace")[-300:]


def stream_info(path, entries="stream=codec_type,codec_name,width,height,channels,sample_rate"):
    r = subprocess.run(["ffprobe", "-v", "error", "-show_entries", entries, "-of", "compact", path],
                       capture_output=True, timeout=60)
    return r.stdout.decode("utf-8", "replace")


class Case:
    def __init__(self, root, build, media, index):
        self.folder = os.path.join(root, "case-%03d" % index)
        os.makedirs(self.folder)
        os.chmod(self.folder, 0o777)
        self.build = build
        self.media = media
        self.cli_path = os.path.join(build, "cli", "korbanix-cli")
        self.gui_path = os.path.join(build, "app", "korbanix")
        self.cleanups = []

    def p(self, *parts):
        return os.path.join(self.folder, *parts)

    def copy(self, kind, name=None):
        target = self.p(name or ("src." + kind if "." not in kind else kind))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy(self.media.path(kind), target)
        os.chmod(target, 0o644)
        return target

    def write(self, name, data, mode=0o644):
        target = self.p(name) if not os.path.isabs(name) else name
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data if isinstance(data, bytes) else data.encode())
        os.chmod(target, mode)
        return target

    def env(self, **extra):
        env = dict(os.environ)
        env.update({"QT_QPA_PLATFORM": "offscreen", "SDL_AUDIODRIVER": "dummy",
                    "XDG_STATE_HOME": self.p("state"), "XDG_CONFIG_HOME": self.p("config"),
                    "XDG_RUNTIME_DIR": self.p("run"), "HOME": self.p("home"), "LC_ALL": "C.UTF-8",
                    "ASAN_OPTIONS": "detect_leaks=1:abort_on_error=0",
                    "LSAN_OPTIONS": "suppressions=" + os.path.abspath(
                        os.path.join(os.path.dirname(__file__), "..", "..", "tests", "lsan.supp"))})
        for key, value in extra.items():
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value
        return env

    def run(self, argv, timeout=120, user=None, limits=None, env=None, cwd=None, stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, shell_prefix=None):
        """Runs a program; `limits` is a ulimit argument text, `user` runs it as that user."""
        command = list(argv)
        if limits or shell_prefix:
            script = (shell_prefix or "") + ("ulimit %s; " % limits if limits else "") + 'exec "$@"'
            command = ["bash", "-c", script, "attack"] + command
        if user:
            command = ["runuser", "-u", user, "--"] + command
        started = time.monotonic()
        try:
            r = subprocess.run(command, capture_output=(stdout == subprocess.PIPE and stderr == subprocess.PIPE),
                               stdin=stdin, timeout=timeout, env=env or self.env(), cwd=cwd or self.folder,
                               **({} if stdout == subprocess.PIPE and stderr == subprocess.PIPE
                                  else {"stdout": stdout, "stderr": stderr}))
        except subprocess.TimeoutExpired as e:
            raise Fail("ends within %d s" % timeout, "still running (hung); err=%r" % (e.stderr or b"")[-300:])
        result = Result(r.returncode, r.stdout or b"", r.stderr or b"", time.monotonic() - started)
        expect(not SANITIZER.search(result.err), "no sanitizer report",
               SANITIZER.search(result.err) and result.err[max(0, SANITIZER.search(result.err).start() - 200):][:900])
        expect(result.rc >= 0 and result.rc not in (134, 139) and result.rc < 128 or result.rc in (129, 130, 143),
               "an ordinary exit status", "rc=%d err=%r" % (result.rc, result.err[-300:]))
        return result

    def cli(self, *args, files=(), out=None, expect_rc=None, **kw):
        """Runs `korbanix-cli convert` and checks what every conversion must keep:
        one line per file given (unless refused as usage), outputs that decode,
        nothing replaced in the output folder, no temporary files left."""
        out = out or self.p("out")
        before = digest_tree(out) if os.path.isdir(out) else {}
        argv = [self.cli_path, "convert", "--output", out] + list(args) + list(files)
        r = self.run(argv, **kw)
        if expect_rc is not None:
            expect(r.rc in (expect_rc if isinstance(expect_rc, tuple) else (expect_rc,)),
                   "exit %s" % (expect_rc,), r.text())
        if r.rc != 2:
            self.check_lines(r, files)
        after = digest_tree(out) if os.path.isdir(out) else {}
        for path, what in before.items():
            expect(after.get(path) == what, "existing %s left as it was" % path, "changed to %s" % (after.get(path),))
        self.check_outputs(r, out, before, after)
        return r

    def check_lines(self, r, files):
        records = r.out.split(b"\0") if False else r.records()
        expect(len(records) == len(files), "%d result lines" % len(files), "%d: %r" % (len(records), r.out[-300:]))
        for record in records:
            expect(len(record) == 3 and record[0] in ("Completed", "Failure", "Stopped", "Skipped"),
                   "status<TAB>source<TAB>output|reason", repr(record))
            if record[0] == "Failure":
                expect(record[2] and record[2] != "The file could not be converted",
                       "a real reason in the Failure line", repr(record))

    def check_outputs(self, r, out, before, after):
        made = sorted(p for p in after if p not in before)
        completed = [rec[2] for rec in r.records() if rec[0] in ("Completed", "Stopped")]
        for path in made:
            name = os.path.basename(path)
            expect(not name.startswith(".") and ".tmp" not in name and ".part" not in name,
                   "no temporary files left", path)
        for output in completed:
            path = output if os.path.isabs(output) else os.path.join(self.folder, output)
            path = path.encode().decode("unicode_escape").encode("latin-1").decode("utf-8", "surrogateescape") \
                if "\\" in path else path
            expect(os.path.isfile(path), "the output named in the result line exists", output)
            ok, why = ffprobe_ok(path)
            expect(ok, "the output %s decodes" % output, why)
        # Only outputs of completed (or stopped) rows and their thumbnails stay.
        named = set()
        for output in completed:
            base = os.path.splitext(os.path.basename(output))[0]
            named.add(os.path.basename(output))
            named.add(base + ".THM")
        for path in made:
            if os.path.isdir(path):
                continue
            expect(os.path.basename(path) in named or "\\" in "".join(completed),
                   "no file beside the completed outputs", "%s (results %r)" % (path, r.lines[:5]))

    def gui(self, *args, env=None, user=None):
        """Starts the window in the background; returns the Popen."""
        command = [self.gui_path] + list(args)
        if user:
            command = ["runuser", "-u", user, "--"] + command
        process = subprocess.Popen(command, env=env or self.env(), cwd=self.folder, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, stdin=subprocess.DEVNULL)
        self.cleanups.append(lambda: process.poll() is None and process.kill())
        return process

    def end_gui(self, process, sig=signal.SIGTERM, within=10):
        process.send_signal(sig)
        try:
            out, err = process.communicate(timeout=within)
        except subprocess.TimeoutExpired:
            process.kill()
            out, err = process.communicate()
            raise Fail("the window ends within %d s of SIG%s" % (within, sig.name[3:]),
                       "still running; err=%r" % err[-300:])
        expect(not SANITIZER.search(err), "no sanitizer report", err[-900:])
        return process.returncode, out, err

    def close(self):
        for cleanup in reversed(self.cleanups):
            try:
                cleanup()
            except Exception:
                pass


def wait_for(condition, seconds, step=0.1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(step)
    return condition()
