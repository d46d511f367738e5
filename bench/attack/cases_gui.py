"""The window (offscreen) against its kept task list, its settings file, the
single-instance socket and the session bus."""
import json
import os
import signal
import socket
import subprocess
import time

from harness import Fail, attack, expect, wait_for


def _program(c):
    """A copy of the window program of its own (a hard link), so its settings file
    beside it belongs to this case only."""
    folder = c.p("app")
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, "korbanix")
    if not os.path.exists(target):
        os.link(c.gui_path, target)
    c.gui_path = target
    os.chmod(folder, 0o777)
    os.makedirs(c.p("run"), mode=0o700, exist_ok=True)
    return os.path.join(folder, "bin", "Path_Registration.ini")


def _for_test_user(c):
    import pwd
    user = pwd.getpwnam("korbanix-test")
    os.chown(c.p("run"), user.pw_uid, user.pw_gid)


def _tasks(c):
    return c.p("state", "korbanix", "tasks.json")


def _listed(c, name):
    if not os.path.isfile(_tasks(c)) or os.path.islink(_tasks(c)):
        return False
    try:
        return name in open(_tasks(c), "rb").read().decode("utf-8", "replace")
    except OSError:
        return False


def _set_aside(c):
    folder = os.path.dirname(_tasks(c))
    return os.path.isdir(folder) and any(n.startswith("tasks.json.") for n in os.listdir(folder))


def _start_with_file(c, *extra, env=None, user=None, within=60, message=False):
    """Starts the window with one clip and waits until its list is saved (or, with
    `message`, until the odd list was set aside: its message then waits for a click)."""
    src = c.copy("avi", "listed clip.avi")
    p = c.gui(*extra, src, env=env, user=user)
    if not wait_for(lambda: _listed(c, "listed clip.avi") or (message and _set_aside(c)) or p.poll() is not None,
                    within):
        c.end_gui(p, signal.SIGKILL, 5)
        raise Fail("the window lists its file and saves the list within %d s" % within, "nothing saved")
    expect(p.poll() is None, "the window runs", p.poll() is None or p.communicate()[1][-400:])
    return p


def _good_list(c, sources):
    tasks = [{"source": s, "checked": True, "start": "00:00:00", "end": "00:00:02", "format": "mp4",
              "status": "", "duration": "00:00:02"} for s in sources]
    return json.dumps({"format": "korbanix-tasks", "version": 1, "profile": {"index": 0, "text": ""},
                       "settings": {}, "tasks": tasks}).encode()


def _format_name(c):
    # The format name the program writes, taken from a list it saved itself.
    _program(c)
    p = _start_with_file(c, "--no-restore")
    c.end_gui(p)
    name = json.load(open(_tasks(c)))["format"]
    os.remove(_tasks(c))
    return name


# --- The kept task list


def _planted_tasks(kind):
    def case(c):
        _program(c)
        os.makedirs(c.p("state", "korbanix"), exist_ok=True)
        path = _tasks(c)
        victim = c.write("victim.json", b"someone else's")
        if kind == "symlink":
            os.symlink(victim, path)
        elif kind == "dangling symlink":
            os.symlink(c.p("planted.json"), path)
        elif kind == "fifo":
            os.mkfifo(path)
        elif kind == "folder":
            os.makedirs(path)
        elif kind == "socket":
            s = socket.socket(socket.AF_UNIX)
            s.bind(path)
            c.cleanups.append(s.close)
        elif kind == "huge":
            with open(path, "wb") as f:
                f.truncate(500 << 20)
        elif kind == "deep":
            c.write(path, b"[" * 200000 + b"]" * 200000)
        elif kind == "binary":
            c.write(path, os.urandom(100000))
        elif kind == "empty":
            c.write(path, b"")
        elif kind == "unreadable":
            c.write(path, b"{}", mode=0)
        if kind == "unreadable":
            _for_test_user(c)
        p = _start_with_file(c, user="korbanix-test" if kind == "unreadable" else None, message=True)
        time.sleep(1)
        c.end_gui(p)
        expect(open(victim, "rb").read() == b"someone else's", "the victim untouched", "written")
        expect(not os.path.exists(c.p("planted.json")), "nothing made through the link", "planted.json made")
        expect(not os.path.lexists(path) or (os.path.isfile(path) and not os.path.islink(path)),
               "the odd entry set aside", lambda: os.listdir(os.path.dirname(path)))
    return case


for kind in ("symlink", "dangling symlink", "fifo", "folder", "socket", "huge", "deep", "binary", "empty"):
    attack("tasklist", "tasks.json that is %s" % kind)(_planted_tasks(kind))


@attack("tasklist", "a list of 50,000 missing files restores without hanging and still answers")
def _(c):
    _program(c)
    fmt = _format_name(c)
    data = json.loads(_good_list(c, [c.p("gone%05d.avi" % i) for i in range(50000)]))
    data["format"] = fmt
    c.write(_tasks(c), json.dumps(data))
    p = c.gui()
    time.sleep(3)
    started = time.monotonic()
    src = c.copy("avi", "late.avi")
    r = subprocess.run([c.gui_path, src], env=c.env(), timeout=60, capture_output=True)
    expect(r.returncode == 0 and time.monotonic() - started < 15, "the file handed over within 15 s",
           "%.1f s rc=%d" % (time.monotonic() - started, r.returncode))
    c.end_gui(p, within=30)


@attack("tasklist", "a listed source that became a FIFO or /dev/zero does not hang the restore")
def _(c):
    _program(c)
    fmt = _format_name(c)
    os.mkfifo(c.p("was a clip.avi"))
    data = json.loads(_good_list(c, [c.p("was a clip.avi"), "/dev/zero", "/dev/stdin"]))
    data["format"] = fmt
    c.write(_tasks(c), json.dumps(data))
    p = c.gui()
    time.sleep(3)
    src = c.copy("avi", "late.avi")
    r = subprocess.run([c.gui_path, src], env=c.env(), timeout=60, capture_output=True)
    expect(r.returncode == 0, "the window answers", r.returncode)
    c.end_gui(p)


def _odd_source(kind):
    def case(c):
        _program(c)
        if kind == "fifo":
            os.mkfifo(c.p("odd.avi"))
            odd = c.p("odd.avi")
        elif kind == "socket":
            s = socket.socket(socket.AF_UNIX)
            s.bind(c.p("odd.avi"))
            c.cleanups.append(s.close)
            odd = c.p("odd.avi")
        else:
            odd = kind
        p = c.gui("--no-restore", odd)
        time.sleep(4)
        r = subprocess.run([c.gui_path, c.copy("avi", "after.avi")], env=c.env(), timeout=60, capture_output=True)
        ok = wait_for(lambda: _listed(c, "after.avi"), 30)
        c.end_gui(p, within=15)
        expect(ok, "a file added after the odd one is listed", "not listed")
    return case


for kind in ("fifo", "socket", "/dev/zero", "/dev/tty", "/proc/self/mem"):
    attack("tasklist", "adding %s does not stop the adding or the end" % kind)(_odd_source(kind))


@attack("tasklist", "a non-UTF-8 file name survives the kept list")
def _(c):
    _program(c)
    name = os.path.join(c.folder.encode(), b"caf\xe9\xff.avi")
    with open(name, "wb") as f:
        f.write(open(c.media.path("avi"), "rb").read())
    p = c.gui("--no-restore", name.decode("utf-8", "surrogateescape"))
    ok = wait_for(lambda: os.path.exists(_tasks(c)) and b"caf" in open(_tasks(c), "rb").read(), 60)
    c.end_gui(p)
    expect(ok, "the list saved", "not saved")
    source = json.load(open(_tasks(c)))["tasks"][0]["source"]
    # Whatever the spelling inside the list, the window must find the file again.
    p = c.gui()
    time.sleep(5)
    c.end_gui(p)
    saved = open(_tasks(c), "rb").read()
    expect(b"missing" not in saved.lower() and b"vanished" not in saved.lower(),
           "the restored row is not marked missing", "source %r; list %r" % (source, saved[:300]))


@attack("tasklist", "a read-only state folder: the window runs and says so")
def _(c):
    _program(c)
    os.makedirs(c.p("state", "korbanix"))
    os.chmod(c.p("state", "korbanix"), 0o555)
    os.chmod(c.p("state"), 0o555)
    _for_test_user(c)
    src = c.copy("avi")
    p = c.gui(src, user="korbanix-test")
    time.sleep(6)
    expect(p.poll() is None, "the window runs", p.poll())
    c.end_gui(p)


@attack("tasklist", "the state folder is a plain file")
def _(c):
    _program(c)
    c.write(c.p("state", "korbanix"), b"not a folder")
    p = c.gui(c.copy("avi"))
    time.sleep(6)
    expect(p.poll() is None, "the window runs", p.poll())
    c.end_gui(p)
    expect(open(c.p("state", "korbanix"), "rb").read() == b"not a folder", "the file untouched", "changed")


@attack("tasklist", "a full state disk keeps the previous list byte for byte")
def _(c):
    _program(c)
    mount = c.p("state")
    os.makedirs(mount)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", mount], check=True)
    c.cleanups.append(lambda: subprocess.run(["umount", "-l", mount]))
    p = _start_with_file(c)
    good = open(_tasks(c), "rb").read()
    try:
        with open(c.p("state", "fill"), "wb") as f:
            f.write(b"\0" * (1 << 20))
    except OSError:
        pass
    for i in range(3):
        subprocess.run([c.gui_path, c.copy("avi", "more%d.avi" % i)], env=c.env(), timeout=30)
    time.sleep(3)
    c.end_gui(p)
    expect(open(_tasks(c), "rb").read() == good, "the previous list unchanged", "changed")


# --- The settings file beside the program


def _planted_ini(kind):
    def case(c):
        ini = _program(c)
        os.makedirs(os.path.dirname(ini), exist_ok=True)
        victim = c.write("victim.ini", b"[Info]\nPath=/victim\n")
        if kind == "fifo":
            os.mkfifo(ini)
        elif kind == "symlink":
            os.symlink(victim, ini)
        elif kind == "folder":
            os.makedirs(ini)
        elif kind == "binary":
            c.write(ini, os.urandom(50000))
        elif kind == "huge":
            with open(ini, "wb") as f:
                f.truncate(200 << 20)
        elif kind == "long line":
            c.write(ini, b"[Info]\nPath=" + b"/x" * 500000 + b"\n[Window]\nPlace=" + b"9" * 100000 + b"\n")
        elif kind == "odd place":
            c.write(ini, b"[Window]\nPlace=-2147483648,2147483647,-1,0\n[Info]\nPath=\n")
        src = c.copy("avi", "listed clip.avi")
        p = c.gui(src)
        # A settings file that cannot be used may be told in a message that waits for a click.
        wait_for(lambda: _listed(c, "listed clip.avi") or p.poll() is not None, 30)
        expect(p.poll() is None, "the window runs", lambda: p.communicate()[1][-400:])
        c.end_gui(p)
        expect(open(victim, "rb").read() == b"[Info]\nPath=/victim\n", "the victim untouched", "written")
        if kind in ("fifo", "symlink"):
            expect(not os.path.lexists(ini) or (os.path.isfile(ini) and not os.path.islink(ini)),
                   "the odd entry set aside (a plain settings file or none in its place)",
                   sorted(os.listdir(os.path.dirname(ini))))
    return case


for kind in ("fifo", "symlink", "folder", "binary", "huge", "long line", "odd place"):
    attack("settings", "Path_Registration.ini that is %s" % kind)(_planted_ini(kind))


# --- The single-instance socket


def _socket_path(c):
    return c.p("run", "korbanix.socket")


@attack("instance", "a stale socket and lock from a killed window")
def _(c):
    _program(c)
    p = _start_with_file(c)
    p.kill()
    p.wait()
    p = _start_with_file(c)
    c.end_gui(p)


@attack("instance", "a plain file at the socket's name")
def _(c):
    _program(c)
    c.write(_socket_path(c), b"plain")
    p = _start_with_file(c)
    c.end_gui(p)


@attack("instance", "a frozen first window: the second start opens its own in time")
def _(c):
    _program(c)
    p = _start_with_file(c)
    p.send_signal(signal.SIGSTOP)
    try:
        started = time.monotonic()
        q = c.gui(c.copy("avi", "second.avi"))
        # Either it gives up on the frozen window and opens its own (saying so), or it ends.
        q.stderr_lines = b""
        import fcntl
        fcntl.fcntl(q.stderr, fcntl.F_SETFL, os.O_NONBLOCK)

        def answered():
            try:
                q.stderr_lines += q.stderr.read() or b""
            except (BlockingIOError, TypeError):
                pass
            return q.poll() is not None or b"does not answer" in q.stderr_lines
        ok = wait_for(answered, 30)
        expect(ok, "an answer (its own window, or an end) within 30 s", "%.1f s, nothing" % (time.monotonic() - started))
        if q.poll() is None:
            c.end_gui(q)
    finally:
        p.send_signal(signal.SIGCONT)
    c.end_gui(p)


@attack("instance", "a client sending 64 MB without an end does not grow the window without bound")
def _(c):
    _program(c)
    p = _start_with_file(c)
    s = socket.socket(socket.AF_UNIX)
    s.connect(_socket_path(c))
    s.settimeout(10)
    sent = 0
    chunk = b"A" * 65536
    try:
        while sent < (64 << 20):
            sent += s.send(chunk)
    except (OSError, socket.timeout):
        pass
    s.close()
    time.sleep(1)
    rss = int([l for l in open("/proc/%d/status" % p.pid) if l.startswith("VmRSS")][0].split()[1])
    c.end_gui(p)
    expect(sent < (64 << 20) or rss < 600000, "the sender cut off (or memory bounded)",
           "sent %d MB, RSS %d MB" % (sent >> 20, rss >> 10))


@attack("instance", "a hand-over of 5,000 names at once")
def _(c):
    _program(c)
    p = _start_with_file(c)
    names = [c.p("gone%04d.avi" % i) for i in range(5000)]
    r = subprocess.run([c.gui_path] + names, env=c.env(), timeout=60, capture_output=True)
    expect(r.returncode == 0, "handed over", r.returncode)
    time.sleep(3)
    expect(p.poll() is None, "the window runs", p.poll())
    c.end_gui(p, within=30)


@attack("instance", "an empty hand-over and a half message")
def _(c):
    _program(c)
    p = _start_with_file(c)
    for message in (b"\0", b"/a\0", b"\0\0\0\0", b"\xff\xfe\0\0"):
        s = socket.socket(socket.AF_UNIX)
        s.connect(_socket_path(c))
        s.sendall(message)
        s.close()
    time.sleep(1)
    r = subprocess.run([c.gui_path, c.copy("avi", "after.avi")], env=c.env(), timeout=30, capture_output=True)
    expect(r.returncode == 0, "still takes a hand-over", r.returncode)
    c.end_gui(p)


@attack("instance", "without XDG_RUNTIME_DIR, a folder planted by another user in /tmp is not used")
def _(c):
    _program(c)
    uid = int(subprocess.run(["id", "-u", "korbanix-test"], capture_output=True).stdout)
    tmp = c.p("tmp")
    os.makedirs(tmp, mode=0o777)
    os.chmod(tmp, 0o1777)
    planted = os.path.join(tmp, "korbanix-%d" % uid)
    os.makedirs(planted)
    os.chmod(planted, 0o777)  # root's, open to all: not the user's own
    listener = socket.socket(socket.AF_UNIX)
    listener.bind(os.path.join(planted, "korbanix.socket"))
    listener.listen(5)
    os.chmod(os.path.join(planted, "korbanix.socket"), 0o777)
    listener.settimeout(8)
    c.cleanups.append(listener.close)
    os.makedirs(c.p("state"), mode=0o777, exist_ok=True)
    env = c.env(XDG_RUNTIME_DIR=None, TMPDIR=tmp)
    q = c.gui(c.copy("avi", "secret.avi"), env=env, user="korbanix-test")
    try:
        conn, _ = listener.accept()
        conn.settimeout(3)
        got = conn.recv(4096)
    except (OSError, socket.timeout):
        got = b""
    if q.poll() is None:
        c.end_gui(q)
    expect(b"secret" not in got, "the files are not handed to a socket someone else planted", got[:100])


@attack("instance", "an XDG_RUNTIME_DIR longer than a socket address")
def _(c):
    _program(c)
    run = c.p("r" * 120)
    os.makedirs(run, mode=0o700)
    p = _start_with_file(c, env=c.env(XDG_RUNTIME_DIR=run))
    c.end_gui(p)


@attack("instance", "an XDG_RUNTIME_DIR that does not exist")
def _(c):
    _program(c)
    p = _start_with_file(c, env=c.env(XDG_RUNTIME_DIR=c.p("no", "such")))
    c.end_gui(p)


# --- The session bus


def _bus(c, frozen):
    config = c.p("bus.conf")
    c.write(config, """<busconfig><type>session</type><listen>unix:path=%s</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>""" % c.p("bus.sock"))
    daemon = subprocess.Popen(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    c.cleanups.append(lambda: (daemon.send_signal(signal.SIGCONT), daemon.kill()))
    wait_for(lambda: os.path.exists(c.p("bus.sock")), 10)
    if frozen:
        daemon.send_signal(signal.SIGSTOP)
    return "unix:path=" + c.p("bus.sock")


def _bus_case(address_of, hand_over_limit):
    def case(c):
        _program(c)
        env = c.env(DBUS_SESSION_BUS_ADDRESS=address_of(c))
        p = _start_with_file(c, env=env)
        started = time.monotonic()
        r = subprocess.run([c.gui_path, c.copy("avi", "handed.avi")], env=env, timeout=60, capture_output=True)
        took = time.monotonic() - started
        expect(r.returncode == 0 and took < hand_over_limit, "a hand-over answered within %.1f s" % hand_over_limit,
               "%.2f s rc=%d" % (took, r.returncode))
        started = time.monotonic()
        c.end_gui(p, within=10)
        expect(time.monotonic() - started < 5, "the window ends within 5 s", "%.1f s" % (time.monotonic() - started))
    return case


attack("bus", "a frozen session bus")(_bus_case(lambda c: _bus(c, True), 2.0))
attack("bus", "a working private session bus")(_bus_case(lambda c: _bus(c, False), 2.0))
attack("bus", "a bus address naming no socket")(_bus_case(lambda c: "unix:path=" + c.p("none.sock"), 2.0))
attack("bus", "a garbage bus address")(_bus_case(lambda c: "garbage:::;;;\xff", 2.0))
attack("bus", "a bus address that is a plain file")(
    _bus_case(lambda c: "unix:path=" + c.write("plain.sock", b"x"), 2.0))


def _listener_that_never_answers(c):
    s = socket.socket(socket.AF_UNIX)
    s.bind(c.p("mute.sock"))
    s.listen(50)
    c.cleanups.append(s.close)
    return "unix:path=" + c.p("mute.sock")


attack("bus", "a bus socket that accepts and never answers")(_bus_case(_listener_that_never_answers, 2.0))


def _gui_signal(sig, delay):
    def case(c):
        _program(c)
        src = c.copy("avi")
        p = c.gui(src)
        time.sleep(delay)
        rc, out, err = c.end_gui(p, sig, 15)
        if os.path.exists(_tasks(c)):
            json.load(open(_tasks(c)))  # whatever is kept is whole
        left = [n for n in os.listdir(c.p("state", "korbanix"))] if os.path.isdir(c.p("state", "korbanix")) else []
        expect(all(n == "tasks.json" for n in left), "no temporary files in the state folder", left)
    return case


for i, (sig, delay) in enumerate([(signal.SIGTERM, 0.05), (signal.SIGINT, 0.3), (signal.SIGHUP, 0.8),
                                   (signal.SIGTERM, 1.5), (signal.SIGINT, 2.5), (signal.SIGHUP, 4.0)]):
    attack("gui-signals", "the window gets SIG%s %.2f s after start" % (sig.name[3:], delay))(_gui_signal(sig, delay))
