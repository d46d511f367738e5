"""korbanix-cli given odd values, odd files and odd names."""
import os
import stat
import subprocess

from harness import attack, expect, stream_info

# --- Option values: refused before anything starts (exit 2, the option named), or
# accepted and then converted into one playable file with nothing else written.

REFUSED = [
    ("--extension", ".mpd"), ("--extension", ".m3u8"), ("--extension", ".MPD"), ("--extension", ".M3U8"),
    ("--extension", ".jpg"), ("--extension", ".png"), ("--extension", ".bmp"), ("--extension", ".ism"),
    ("--extension", ".f4m"), ("--extension", ".txt"), ("--extension", "."), ("--extension", ".mp4 "),
    ("--extension", " .mp4"), ("--extension", ".mp4\n"), ("--extension", "..mp4"), ("--extension", ".mp4/"),
    ("--extension", "mp4"), ("--extension", ".srt"), ("--extension", ".ass"), ("--extension", ".mp3"),
    ("--extension", ".wav"), ("--extension", ".h264"), ("--extension", ".y4m"), ("--extension", ".yuv"),
    ("--extension", ".tiff"), ("--extension", ".m3u"), ("--extension", ".ffconcat"), ("--extension", ".sdp"),
    ("--size", "1*1"), ("--size", "0*0"), ("--size", "-2*240"), ("--size", "720*480 "), ("--size", "99999*99999"),
    ("--size", "720x480"), ("--size", "65536*2"), ("--size", "2*65536"), ("--size", "720*"),
    ("--sample-rate", "1 Hz"), ("--sample-rate", "768000 Hz"), ("--sample-rate", "-1 Hz"),
    ("--sample-rate", "44100.5 Hz"), ("--sample-rate", "0 Hz"), ("--sample-rate", "4294967297 Hz"),
    ("--video-bitrate", "12abc kbps"), ("--video-bitrate", "0 kbps"), ("--video-bitrate", "-5 kbps"),
    ("--video-bitrate", "99999999 kbps"), ("--video-bitrate", "1e3 kbps"), ("--video-bitrate", "nan kbps"),
    ("--video-bitrate", "inf kbps"), ("--video-bitrate", "0x200 kbps"), ("--audio-bitrate", "1 kbps"),
    ("--audio-bitrate", "100000 kbps"), ("--frame-rate", "0 fps"), ("--frame-rate", "29.97"),
    ("--frame-rate", "1000000 fps"), ("--jobs", "0"), ("--jobs", "17"), ("--jobs", "auto "), ("--jobs", "-1"),
    ("--profile", "16"), ("--profile", "+1"), ("--profile", " 1"), ("--profile", "-0"),
    ("--begin", "25:61:00"), ("--begin", "-00:00:01"), ("--end", "1:2:3:4"),
    ("--audio-track", ""), ("--audio-track", "-1"), ("--audio-track", "x y"), ("--subtitles", ""),
    ("--subtitles", "-2"), ("--channels", "3 Channel"), ("--video-encoder", "h264"), ("--audio-encoder", "libfdk"),
]


def _refused(option, value):
    def case(c):
        src = c.copy("avi")
        r = c.cli(option, value, files=[src], expect_rc=2)
        expect(option.encode() in r.err, "the message names %s" % option, r.err[-300:])
        expect(not os.path.exists(c.p("out")) or not os.listdir(c.p("out")), "nothing written",
               lambda: os.listdir(c.p("out")))
    return case


for option, value in REFUSED:
    attack("options", "%s %r is refused with exit 2" % (option, value))(_refused(option, value))

REFUSED_COMBINATIONS = [
    (["--profile", "1", "--profile", "2"], "--profile"),
    (["--output", "a", "--output", "b"], "--output"),
    (["--quiet", "--quiet"], "--quiet"),
    (["--merge", "--merge"], "--merge"),
    (["--audio-track", "1", "--audio-track", "2"], "--audio-track"),
    (["--profile", "14", "--channels", "5.1 Channel"], "--channels"),
    (["--profile", "13", "--sample-rate", "1 Hz"], "--sample-rate"),
    (["--profile", "14", "--sample-rate", "96000 Hz"], "--sample-rate"),
    (["--profile", "0", "--extension", ".wav"], "--extension"),
    (["--audio-encoder", "AMR_NB", "--sample-rate", "44100 Hz"], ""),
    (["--frobnicate"], "--frobnicate"),
    (["--size"], "--size"),
    (["--begin", "00:00:05", "--end", "00:00:01"], ""),
]


def _refused_combination(args, named):
    def case(c):
        src = c.copy("avi")
        r = c.cli(*args, files=[src], expect_rc=(1, 2))
        if r.rc == 1:  # refused per file: the line must say why
            expect(r.records() and r.records()[0][0] == "Failure", "a Failure line", r.text())
        else:
            expect(named.encode() in r.err, "the message names %s" % named, r.err[-300:])
    return case


for args, named in REFUSED_COMBINATIONS:
    attack("options", "%s refused" % " ".join(args))(_refused_combination(args, named))

ACCEPTED = [
    (".mkv", 0), (".MP4", 0), (".mov", 0), (".avi", 2), (".ts", 0), (".nut", 0), (".flv", 12), (".3gp", 9),
    (".webm", 0), (".asf", 7), (".mpg", 4), (".ogg", 14), (".gif", 0), (".mka", 14), (".m4a", 14), (".flac", 13),
]


def _accepted_extension(extension, profile):
    def case(c):
        src = c.copy("avi")
        before = set()
        r = c.cli("--profile", str(profile), "--extension", extension, files=[src], expect_rc=(0, 1, 2))
        if r.rc == 2:
            expect(extension.encode() in r.err, "a refusal naming the extension", r.err[-300:])
            return
        made = sorted(set(os.listdir(c.p("out"))) - before)
        expect(len(made) <= 2, "one output (and its .THM)", made)
    return case


for extension, profile in ACCEPTED:
    attack("extensions", "--profile %d --extension %s writes one file or is refused" % (profile, extension))(
        _accepted_extension(extension, profile))


# --- Sources that are not what they seem: one Failure line with a plain reason.

def _source_case(make, reason_words, user=None):
    def case(c):
        src = make(c)
        r = c.cli(files=[src], expect_rc=1, user=user, timeout=60)
        rec = r.records()[0]
        expect(rec[0] == "Failure", "Failure", rec)
        expect(any(w.lower() in rec[2].lower() for w in reason_words), "a reason with one of %r" % (reason_words,),
               rec[2])
    return case


def _mkfifo(c):
    os.mkfifo(c.p("pipe.avi"))
    return c.p("pipe.avi")


def _socket(c):
    import socket
    s = socket.socket(socket.AF_UNIX)
    s.bind(c.p("sock.avi"))
    c.cleanups.append(s.close)
    return c.p("sock.avi")


def _unreadable(c):
    src = c.copy("avi")
    os.chmod(src, 0)
    return src


def _loop(c):
    os.symlink(c.p("b.avi"), c.p("a.avi"))
    os.symlink(c.p("a.avi"), c.p("b.avi"))
    return c.p("a.avi")


def _truncated_head(c):
    data = open(c.media.path("mp4"), "rb").read()
    return c.write("cut.mp4", data[:len(data) // 10])


def _moov_only(c):
    data = open(c.media.path("mp4"), "rb").read()
    return c.write("moovless.mp4", data[:64])


SOURCES = [
    ("a missing file", lambda c: c.p("gone.avi"), ["No such file"]),
    ("a file in a missing folder", lambda c: c.p("gone", "x.avi"), ["No such file"]),
    ("an empty file", lambda c: c.write("empty.avi", b""), ["not a media file", "empty"]),
    ("a text file", lambda c: c.write("notes.avi", "hello\n" * 100), ["not a media file"]),
    ("random bytes", lambda c: c.write("noise.mp4", os.urandom(1 << 20)), ["not a media file", "damaged"]),
    ("a folder", lambda c: (os.mkdir(c.p("dir.avi")), c.p("dir.avi"))[1], ["folder", "directory", "not a"]),
    ("a FIFO", _mkfifo, ["not a", "plain", "regular"]),
    ("a socket", _socket, ["not a", "plain", "regular"]),
    ("/dev/zero", lambda c: "/dev/zero", ["not a", "plain", "regular"]),
    ("/dev/urandom", lambda c: "/dev/urandom", ["not a", "plain", "regular"]),
    ("a symlink loop", _loop, ["symbolic links", "loop", "No such"]),
    ("a dangling symlink", lambda c: (os.symlink(c.p("nowhere.avi"), c.p("d.avi")), c.p("d.avi"))[1],
     ["No such file"]),
    ("a head-only mp4", _moov_only, ["not a media file", "damaged"]),
    ("a picture too large", lambda c: c.copy("huge.png"), ["picture too large: 11000\u00d711000",
                                                          "picture too large: 11000x11000"]),
]

for what, make, words in SOURCES:
    attack("sources", "%s gets one Failure line with its reason" % what)(_source_case(make, words))

attack("sources", "an unreadable file (other user) gets 'Permission denied'")(
    _source_case(_unreadable, ["Permission denied"], user="korbanix-test"))


@attack("sources", "a truncated mp4 (10 %) fails or converts, never crashes")
def _(c):
    r = c.cli(files=[_truncated_head(c)], expect_rc=(0, 1))


@attack("sources", "a file still being written is reported as still growing")
def _(c):
    grow = c.p("growing.ts")
    writer = subprocess.Popen(["ffmpeg", "-v", "error", "-re", "-f", "lavfi", "-i",
                               "testsrc2=size=160x120:rate=25", "-t", "20", "-c:v", "mpeg2video", "-b:v", "3M", "-f", "mpegts",
                               grow], stdin=subprocess.DEVNULL)
    c.cleanups.append(writer.kill)
    from harness import wait_for
    wait_for(lambda: os.path.exists(grow) and os.path.getsize(grow) > 40000, 15)
    r = c.cli(files=[grow], expect_rc=1, timeout=60)
    rec = r.records()[0]
    expect(rec[0] == "Failure" and "still growing" in rec[2], "Failure: the file is still growing", rec)


@attack("sources", "9,999 missing files give 9,999 lines")
def _(c):
    files = [c.p("m%04d.avi" % i) for i in range(9999)]
    r = c.cli("--quiet", files=files, expect_rc=1, timeout=300)


@attack("sources", "10,000 files are refused with exit 2")
def _(c):
    files = [c.p("m%05d.avi" % i) for i in range(10000)]
    c.cli(files=files, expect_rc=2, timeout=120)


@attack("sources", "the same file twice gives two outputs")
def _(c):
    src = c.copy("avi")
    r = c.cli(files=[src, src], expect_rc=0)
    outs = [rec[2] for rec in r.records()]
    expect(len(set(outs)) == 2, "two distinct outputs", outs)


MEDIA_KINDS = ["mp4", "wav", "video-only.mkv", "hdr.mkv", "hlg.mkv", "yuv444.mkv", "gray.mkv", "rgb.mkv",
               "pal8.gif", "mjpeg.avi", "odd.mkv", "tiny.mkv", "bad-tags.mkv", "surround.mkv", "hirate.mkv",
               "lowrate.wav", "still.png", "still.jpg", "still.bmp", "one.png", "subs.mkv"]


def _media_case(kind, profile):
    def case(c):
        src = c.copy(kind)
        r = c.cli("--profile", str(profile), files=[src], expect_rc=(0, 1), timeout=180)
        rec = r.records()[0]
        if rec[0] == "Completed":
            info = stream_info(os.path.join(c.folder, rec[2]) if not os.path.isabs(rec[2]) else rec[2])
            expect(info.strip(), "a stream in the output", info)
    return case


for kind in MEDIA_KINDS:
    for profile in (0, 4, 13):
        attack("media", "%s with profile %d converts or fails honestly" % (kind, profile))(_media_case(kind, profile))


@attack("colour", "an HDR (PQ) source gives a BT.709-tagged H.264 output")
def _(c):
    src = c.copy("hdr.mkv")
    r = c.cli("--profile", "0", files=[src], expect_rc=0)
    out = os.path.join(c.p("out"), os.path.basename(r.records()[0][2]))
    info = stream_info(out, "stream=color_primaries,color_transfer,color_space,pix_fmt")
    expect("smpte2084" not in info and "bt2020" not in info and "yuv420p|" in info + "|",
           "SDR BT.709 8-bit output", info)


# --- Tracks and subtitles

@attack("tracks", "--audio-track fre picks the silent second track")
def _(c):
    src = c.copy("two-audio.mkv")
    r = c.cli("--profile", "13", "--audio-track", "fre", files=[src], expect_rc=0)
    out = os.path.join(c.p("out"), os.path.basename(r.records()[0][2]))
    v = subprocess.run(["ffmpeg", "-i", out, "-af", "volumedetect", "-f", "null", "-"], capture_output=True)
    expect(b"max_volume: -91" in v.stderr or b"max_volume: -inf" in v.stderr, "silence (the French track)",
           v.stderr[-200:])


@attack("tracks", "--audio-track 5 on a two-track file fails that file with a reason")
def _(c):
    r = c.cli("--audio-track", "5", files=[c.copy("two-audio.mkv")], expect_rc=(1, 2))


@attack("tracks", "--audio-track jpn (absent) fails or falls back, one line")
def _(c):
    c.cli("--audio-track", "jpn", files=[c.copy("two-audio.mkv")], expect_rc=(0, 1))


@attack("tracks", "--audio-track 1 on a video-only file")
def _(c):
    c.cli("--audio-track", "1", files=[c.copy("video-only.mkv")], expect_rc=(0, 1))


@attack("tracks", "--subtitles 3 on a file with one subtitle track")
def _(c):
    c.cli("--subtitles", "3", files=[c.copy("subs.mkv")], expect_rc=(1, 2))


@attack("tracks", "--subtitles eng burns the embedded track")
def _(c):
    c.cli("--subtitles", "eng", files=[c.copy("subs.mkv")], expect_rc=0)


SRT_ATTACKS = [
    ("a normal cue", "1\n00:00:00,000 --> 00:00:01,500\nHello\n\n", (0,)),
    ("an empty file", "", (0, 1)),
    ("a 1 MB cue", "1\n00:00:00,000 --> 00:00:01,500\n" + "W" * (1 << 20) + "\n\n", (0, 1)),
    ("100,000 cues", "".join("%d\n00:00:00,%03d --> 00:00:01,000\nx\n\n" % (i, i % 1000) for i in range(100000)),
     (0, 1)),
    ("5,000 lines in one cue", "1\n00:00:00,000 --> 00:00:01,500\n" + "line\n" * 5000 + "\n", (0, 1)),
    ("malformed times", "1\n99:99:99,999 --> -1:00:00,000\nbad\n\n2\nxx --> yy\nz\n\n", (0, 1)),
    ("a cue ending before it starts", "1\n00:00:01,000 --> 00:00:00,000\nback\n\n", (0, 1)),
    ("binary junk", None, (0, 1)),
    ("Latin-1 text", "1\n00:00:00,000 --> 00:00:01,500\ncaf\xe9\n\n", (0, 1)),
    ("UTF-16 with BOM", "\ufeff1\n00:00:00,000 --> 00:00:01,500\nHello\n\n", (0, 1)),
    ("huge font tags", "1\n00:00:00,000 --> 00:00:01,500\n<font size=\"100000\">big</font>\n\n", (0, 1)),
]


def _srt_case(text, codes, encoding):
    def case(c):
        src = c.copy("avi", "clip.avi")
        if text is None:
            c.write("clip.srt", os.urandom(200000))
        else:
            c.write("clip.srt", text.encode(encoding, "replace") if encoding != "latin-1" else text.encode("latin-1"))
        c.cli("--subtitles", "auto", files=[src], expect_rc=codes, timeout=240)
        c.cli("--subtitles", "1", files=[src], out=c.p("out2"), expect_rc=codes + (2,), timeout=240)
    return case


for what, text, codes in SRT_ATTACKS:
    enc = "utf-16" if "UTF-16" in what else "latin-1" if "Latin-1" in what else "utf-8"
    attack("subtitles", "a .srt beside the source: %s" % what)(_srt_case(text, codes, enc))

ASS_HEAD = ("[Script Info]\nScriptType: v4.00+\nPlayResX: 160\nPlayResY: 120\n\n[V4+ Styles]\n"
            "Format: Name, Fontname, Fontsize, PrimaryColour, Bold, Italic, Alignment\n"
            "Style: Default,Nonexistent Font,20,&H00FFFFFF,0,0,2\n\n[Events]\n"
            "Format: Layer, Start, End, Style, Text\n")
ASS_ATTACKS = [
    ("a normal event", ASS_HEAD + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,Hello\n"),
    ("no [Events]", "[Script Info]\nScriptType: v4.00+\n"),
    ("a font size of 100,000", ASS_HEAD + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,{\\fs100000}Huge\n"),
    ("a blur of 10,000", ASS_HEAD + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,{\\blur10000\\be100}Blur\n"),
    ("a 100,000-point drawing", ASS_HEAD + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,{\\p1}m 0 0 " +
     " ".join("l %d %d" % (i % 997, i % 991) for i in range(100000)) + "\n"),
    ("2,000 overlapping events", ASS_HEAD + "".join("Dialogue: %d,0:00:00.00,0:00:01.50,Default,e%d\n" % (i, i)
                                                     for i in range(2000))),
    ("a scale of 100,000 %", ASS_HEAD + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,{\\fscx100000\\fscy100000}X\n"),
    ("a broken fonts section", ASS_HEAD.replace("[Events]", "[Fonts]\nfontname: x.ttf\n" + "!" * 5000 + "\n\n[Events]")
     + "Dialogue: 0,0:00:00.00,0:00:01.50,Default,Hi\n"),
]


def _ass_case(text):
    def case(c):
        src = c.copy("avi", "clip.avi")
        c.write("clip.ass", text)
        c.cli("--subtitles", "auto", files=[src], expect_rc=(0, 1), timeout=300)
    return case


for what, text in ASS_ATTACKS:
    attack("subtitles", "a .ass beside the source: %s" % what)(_ass_case(text))


def _subtitle_entry(kind):
    def case(c):
        src = c.copy("avi", "clip.avi")
        if kind == "fifo":
            os.mkfifo(c.p("clip.srt"))
        elif kind == "dir":
            os.mkdir(c.p("clip.srt"))
        elif kind == "zero":
            os.symlink("/dev/zero", c.p("clip.srt"))
        elif kind == "unreadable":
            c.write("clip.srt", "1\n00:00:00,000 --> 00:00:01,000\nx\n\n", mode=0)
        elif kind == "big":
            with open(c.p("clip.srt"), "wb") as f:
                f.truncate(3 << 30)  # 3 GB of nothing (sparse)
        c.cli("--subtitles", "auto", files=[src], expect_rc=(0, 1), timeout=60,
              user="korbanix-test" if kind == "unreadable" else None)
    return case


for kind in ("fifo", "dir", "zero", "unreadable", "big"):
    attack("subtitles", "a .srt beside the source that is %s does not hang or crash" % kind)(_subtitle_entry(kind))


@attack("subtitles", "a font attachment of garbage in the source")
def _(c):
    src = c.copy("subs.mkv")
    font = c.write("bad.ttf", os.urandom(300000))
    out = c.p("withfont.mkv")
    subprocess.run(["ffmpeg", "-v", "error", "-i", src, "-map", "0", "-c", "copy", "-attach", font,
                    "-metadata:s:t", "mimetype=application/x-truetype-font", out], check=True)
    c.cli("--subtitles", "1", files=[out], expect_rc=(0, 1), timeout=120)


@attack("subtitles", "500 font attachments in the source")
def _(c):
    src = c.copy("subs.mkv")
    font = c.write("bad.ttf", os.urandom(2000))
    out = c.p("fonts.mkv")
    args = ["ffmpeg", "-v", "error", "-i", src, "-map", "0", "-c", "copy"]
    for i in range(500):
        args += ["-attach", font, "-metadata:s:t:%d" % i, "mimetype=application/x-truetype-font",
                 "-metadata:s:t:%d" % i, "filename=f%d.ttf" % i]
    subprocess.run(args + [out], check=True)
    c.cli("--subtitles", "1", files=[out], expect_rc=(0, 1), timeout=180)
