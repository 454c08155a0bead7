"""What a user and a screen reader do with the window: keys and clicks through
the X server (XTest, by xdotool), and reading back over AT-SPI and from
screenshots. Nothing here reaches into the program."""

import subprocess
import time

import pyatspi
from PIL import Image
from Xlib import X, display as xdisplay


class ScenarioFailure(AssertionError):
    pass


def wait_until(what, probe, timeout=20.0, interval=0.1):
    """Polls `probe` until it returns something true, and returns that; fails
    with `what` when the time is up. Errors of a half-built accessible tree
    count as not yet."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # the tree changes under the probe while the window works
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise ScenarioFailure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


# ---------------------------------------------------------------- reading

# Roles whose children are rows: walking them costs a bus call per row, so a
# search for a control does not go inside unless asked.
ROW_HOLDERS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE,
               pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_DOCUMENT_WEB, pyatspi.ROLE_DOCUMENT_FRAME}


def states(node):
    return node.getState()


def is_showing(node):
    s = node.getState()
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def is_enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def is_focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    result = []
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            result.append(child)
    return result


def walk(node, into_rows=False, only_showing=True):
    """Every accessible below `node`, depth first; with only_showing, those
    on show (and nothing below one that is not)."""
    stack = [node]
    while stack:
        current = stack.pop()
        if current is not node:
            try:
                if only_showing and not is_showing(current):
                    continue
                yield current
                if not into_rows and current.getRole() in ROW_HOLDERS:
                    continue
            except Exception:
                continue
        else:
            yield current
        stack.extend(reversed(children(current)))


def find_all(node, role=None, name=None, into_rows=False, only_showing=True):
    found = []
    for candidate in walk(node, into_rows=into_rows, only_showing=only_showing):
        try:
            if role is not None and candidate.getRole() != role:
                continue
            if name is not None and candidate.name != name:
                continue
            if only_showing and candidate is not node and not is_showing(candidate):
                continue
        except Exception:
            continue
        found.append(candidate)
    return found


def find(node, role=None, name=None, into_rows=False, only_showing=True):
    matches = find_all(node, role, name, into_rows, only_showing)
    return matches[0] if matches else None


def wait_for(node, role=None, name=None, timeout=20.0, into_rows=False):
    what = f"{str(role) if role is not None else 'an accessible'} named {name!r}"
    return wait_until(what, lambda: find(node, role, name, into_rows), timeout)


def text_of(node):
    """What a text field holds; for an editable combo box, its line edit's text."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        edit = next((c for c in children(node) if c.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)), None)
        return text_of(edit) if edit is not None else ""
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return node.name


def row_names(node):
    """The names of the rows of a list or tree that are on show."""
    return [child.name for child in children(node) if child.getRole() not in (pyatspi.ROLE_TABLE_COLUMN_HEADER,)]


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre_of(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def do_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise ScenarioFailure(f"{node.name!r} offers no action {name!r} (it has {action_names(node)})")


def application(name, timeout=30.0):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.name == name:
                return app
        return None
    return wait_until(f"the application {name!r} on the accessibility bus", probe, timeout)


def window(app, name, timeout=30.0):
    """The main window on show (the splash before it bears the same title,
    but is no frame)."""
    def probe():
        for frame in children(app):
            if frame.name == name and frame.getRole() == pyatspi.ROLE_FRAME and is_showing(frame):
                return frame
        return None
    return wait_until(f"the window {name!r}", probe, timeout)


def dialog(app, timeout=20.0):
    """A message or question box on show (role dialog or alert)."""
    def probe():
        for frame in children(app):
            if frame.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and is_showing(frame):
                return frame
        return None
    return wait_until("a message box", probe, timeout)


def no_dialog(app):
    for frame in children(app):
        try:
            if frame.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and is_showing(frame):
                return False
        except Exception:
            pass
    return True


def dialog_text(box):
    texts = []
    for node in find_all(box):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name:
            texts.append(node.name)
    return "\n".join(texts)


# ---------------------------------------------------------------- input

class Input:
    """Keys and pointer through the X server of one desktop."""

    def __init__(self, env):
        self.env = env

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True)

    MODIFIERS = {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L", "super": "Super_L"}

    def key(self, *combos):
        """Keys by X names: "Return", "ctrl+c", "alt+Left", "Tab". The
        modifiers are held down around the key, as fingers do: xdotool's own
        "alt+Left" reaches Qt without Alt."""
        for combo in combos:
            *modifiers, last = combo.split("+")
            held = [self.MODIFIERS.get(m.lower(), m) for m in modifiers]
            args = []
            for m in held:
                args += ["keydown", m]
            args += ["key", last]
            for m in reversed(held):
                args += ["keyup", m]
            self._xdotool(*args)

    def type(self, text):
        """Types text as key presses; characters outside the keyboard map
        (Chinese) are typed through a spare keycode, as xdotool does."""
        delay = "40" if text.isascii() else "120"
        self._xdotool("type", "--delay", delay, text)

    def move(self, x, y):
        self._xdotool("mousemove", "--sync", str(x), str(y))

    def click(self, x, y, button=1):
        self._xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))

    def double_click(self, x, y, button=1):
        self._xdotool("mousemove", "--sync", str(x), str(y), "click", "--repeat", "2", "--delay", "80", str(button))

    def click_on(self, node, button=1):
        x, y = centre_of(node)
        self.click(x, y, button)


# ---------------------------------------------------------------- pixels

class Screen:
    def __init__(self, display_name):
        self._display = xdisplay.Display(display_name)

    def grab(self, box=None):
        root = self._display.screen().root
        if box is None:
            geometry = root.get_geometry()
            box = (0, 0, geometry.width, geometry.height)
        x, y, w, h = box
        raw = root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (w, h), raw.data, "raw", "BGRX")

    def save(self, path, box=None):
        self.grab(box).save(path)


def changed_fraction(before, after):
    """The share of pixels that differ between two pictures of one size."""
    a = before.tobytes()
    b = after.tobytes()
    differing = sum(1 for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])
    return differing / (len(a) // 3)


def close_window(display_name, pid, title):
    """Asks the program's window to close the way a window manager does when
    the user clicks its close box (WM_DELETE_WINDOW)."""
    from Xlib import protocol
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", f"^{title}$"],
                           env={**__import__("os").environ, "DISPLAY": display_name},
                           capture_output=True, text=True).stdout.split()
    if not found:
        raise ScenarioFailure(f"no window {title!r} of process {pid} on the display")
    d = xdisplay.Display(display_name)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    for window_id in found:
        target = d.create_resource_object("window", int(window_id))
        event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        target.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    d.close()
    return found
