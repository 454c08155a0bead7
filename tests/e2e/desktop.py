"""A private desktop for one scenario: an X server, a session bus and an
accessibility bus of its own, so that scenarios can run side by side and
nothing reaches the user's own desktop."""

import os
import shutil
import signal
import subprocess
import time


class DesktopError(RuntimeError):
    pass


def _start_xvfb(width, height, log):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=[write_end], stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline and not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        server.kill()
        raise DesktopError("Xvfb did not say which display it took")
    return server, ":" + number.decode().strip()


def _start_session_bus(env, log):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1", "--nopidfile"],
                           stdout=subprocess.PIPE, stderr=log, env=env, start_new_session=True)
    address = bus.stdout.readline().decode().strip()
    if not address:
        bus.kill()
        raise DesktopError("the session bus did not start")
    return bus, address


class Desktop:
    """Starts Xvfb, a session bus and the accessibility bus in `folder`, and
    gives the environment a program started on it needs."""

    def __init__(self, folder, width=1400, height=900):
        self.folder = folder
        self.width = width
        self.height = height
        self._processes = []
        self.env = {}

    def __enter__(self):
        os.makedirs(self.folder, exist_ok=True)
        self._log = open(os.path.join(self.folder, "desktop.log"), "wb")
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        os.chmod(runtime, 0o700)
        xvfb, display = _start_xvfb(self.width, self.height, self._log)
        self._processes.append(xvfb)
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": os.path.join(self.folder, "home"),
            "LANG": "C.UTF-8",
            "DISPLAY": display,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
            "XDG_CACHE_HOME": os.path.join(self.folder, "cache"),
            "XDG_DATA_HOME": os.path.join(self.folder, "data"),
        }
        os.makedirs(env["HOME"], exist_ok=True)
        bus, address = _start_session_bus(env, self._log)
        self._processes.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    env=env, stdout=self._log, stderr=self._log, start_new_session=True)
        self._processes.append(launcher)
        self.env = env
        self._wait_for_accessibility_bus()
        return self

    def _wait_for_accessibility_bus(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            probe = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True)
            if probe.returncode == 0 and b"unix:" in probe.stdout:
                subprocess.run(
                    ["dbus-send", "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                     "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                     "string:IsEnabled", "variant:boolean:true"], env=self.env, capture_output=True)
                return
            time.sleep(0.1)
        raise DesktopError("the accessibility bus did not start")

    def __exit__(self, *exc):
        for process in reversed(self._processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in reversed(self._processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        self._log.close()
        return False

    def apply_to_this_process(self):
        """The accessibility client in this process finds the private buses
        through these variables."""
        os.environ.update(self.env)


def which(name):
    found = shutil.which(name)
    if not found:
        raise DesktopError(f"{name} is not installed (scripts/install-deps.sh installs it)")
    return found
