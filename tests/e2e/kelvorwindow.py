"""The routes a user takes through Kelvor's window, in terms of what a user
sees: named controls found over AT-SPI, clicked or typed into through the X
server."""

import pyatspi

import screen
from screen import ScenarioFailure, wait_until

class KelvorWindow:
    def __init__(self, context):
        self.ctx = context
        self.app = context.app
        self.frame = context.window
        self.input = context.input

    # ------------------------------------------------------------ finding

    def control(self, name, role=None, timeout=20.0):
        return screen.wait_for(self.frame, role=role, name=name, timeout=timeout)

    def maybe(self, name, role=None):
        return screen.find(self.frame, role=role, name=name)

    def focused(self):
        def probe():
            for node in screen.walk(self.frame):
                if screen.is_focused(node):
                    return node
            return None
        return wait_until("a control holding the keyboard focus", probe, timeout=10)

    # ------------------------------------------------------------ acting

    def click(self, name, role=None):
        node = self.control(name, role)
        wait_until(f"{name!r} to be enabled", lambda: screen.is_enabled(node), timeout=10)
        self.input.click_on(node)
        return node

    def choose_group(self, group):
        """The group tabs are one picture of three slanted tabs, told to a
        screen reader as three tabs: a click lands in the middle of one."""
        strip = self.control("分组标签")
        tab = wait_until(f"the group tab {group!r}",
                         lambda: next((t for t in screen.children(strip) if t.name == group), None), timeout=10)
        self.input.click_on(tab)
        wait_until(f"the group tab {group!r} marked as chosen",
                   lambda: tab.getState().contains(pyatspi.STATE_SELECTED), timeout=10)

    def choose_panel(self, caption):
        """The panel menu from the keyboard: Alt+P opens it, the arrows walk
        to the entry and Enter picks it."""
        self.input.key("alt+p")
        button = self.control("面板")
        menu = wait_until("the panel menu to open",
                          lambda: next((c for c in screen.children(button) if screen.is_showing(c)), None),
                          timeout=10)
        entries = [item.name for item in screen.children(menu)]
        if caption not in entries:
            raise ScenarioFailure(f"the panel menu has no entry {caption!r}: {entries}")
        for _ in range(len(entries) + 1):
            current = next((i for i in screen.children(menu)
                            if screen.is_focused(i) or i.getState().contains(pyatspi.STATE_SELECTED)), None)
            if current is not None and current.name == caption:
                break
            self.input.key("Down")
        else:
            raise ScenarioFailure(f"the arrows never reached {caption!r} in the panel menu")
        self.input.key("Return")
        wait_until("the panel menu to close", lambda: not screen.is_showing(menu), timeout=10)

    def open_page(self, group, item):
        """A page of the navigation bar: its group tab, then its item."""
        self.choose_group(group)
        self.click(item)
        self.wait_for_title(item)
        # The switch ends with the catalogue filled; the tabs take clicks from then on.
        tree = self.control("目录树")
        wait_until(f"the catalogue of {item!r}", lambda: tree.childCount > 0, timeout=30)

    def wait_for_title(self, caption, timeout=30.0):
        """The centre title above the tree names the page on show (a click
        on it acts, so it is a button to assistive technology)."""
        left = self.control("目录与查询")
        return wait_until(f"the centre title {caption!r}",
                          lambda: screen.find(left, name=caption.strip(), role=pyatspi.ROLE_PUSH_BUTTON),
                          timeout)

    def type_into(self, name, text, role=None):
        """Clicks the control and types; the keys go where the focus is.
        xdotool types a Chinese character by mapping a spare key to it for
        the moment, and a busy program can read the key before the mapping:
        like a user who sees a character missing, it types the text again."""
        node = self.click(name, role)
        for _ in range(3):
            self.input.key("ctrl+a")
            self.input.type(text)
            try:
                wait_until(f"{name!r} to hold {text!r}", lambda: screen.text_of(node) == text, timeout=3)
                return node
            except ScenarioFailure:
                continue
        raise ScenarioFailure(f"{name!r} holds {screen.text_of(node)!r} after typing {text!r} three times")

    def rows(self, name, role=None):
        node = self.control(name, role)
        return [child.name for child in screen.children(node)]

    def wait_for_rows(self, name, predicate, what, timeout=20.0):
        return wait_until(what, lambda: (lambda r: r if predicate(r) else None)(self.rows(name)), timeout)

    def answer_message(self, expected_text=None, button="确定"):
        """A message box as a user answers it: read, then its button."""
        box = screen.dialog(self.app)
        text = screen.dialog_text(box)
        if expected_text is not None and expected_text not in text:
            raise ScenarioFailure(f"the message box says {text!r}, not {expected_text!r}")
        push = screen.find(box, role=pyatspi.ROLE_PUSH_BUTTON, name=button)
        if push is None:
            names = [b.name for b in screen.find_all(box, role=pyatspi.ROLE_PUSH_BUTTON)]
            raise ScenarioFailure(f"the message box has no button {button!r} (it has {names})")
        self.input.click_on(push)
        wait_until("the message box to close", lambda: screen.no_dialog(self.app), timeout=10)
        return text

    def assert_no_message(self):
        if not screen.no_dialog(self.app):
            box = screen.dialog(self.app, timeout=1)
            raise ScenarioFailure(f"an unexpected message box: {screen.dialog_text(box)!r}")

    # ------------------------------------------------------------ reading

    def tree_row(self, title, timeout=20.0):
        tree = self.control("目录树")
        return wait_until(f"the catalogue row {title!r}",
                          lambda: next((r for r in screen.children(tree) if r.name == title), None), timeout)

    def open_in_tree(self, *titles):
        """Clicks each row in turn: folders open out, the last row's record opens."""
        for title in titles:
            self.input.click_on(self.tree_row(title))
        return self.wait_for_page(titles[-1])

    def page(self):
        """The document on show in the document area."""
        area = self.control("文档")
        return screen.find(area, role=pyatspi.ROLE_DOCUMENT_WEB)

    def wait_for_page(self, title, timeout=30.0):
        return wait_until(f"the document {title!r} on show",
                          lambda: (lambda p: p if p is not None and p.name == title else None)(self.page()), timeout)

    def page_text(self):
        page = self.page()
        if page is None:
            return ""
        texts = []
        for node in screen.walk(page, into_rows=True):
            if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and node.name:
                texts.append(node.name)
        return "\n".join(texts)
