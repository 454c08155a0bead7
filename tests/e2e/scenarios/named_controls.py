"""Everything a user can act on is reachable and named over AT-SPI: each panel
the window offers is opened the way a user opens it, and the accessible tree
is walked; an actionable control on show without a name fails the scenario."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure

# Roles a user acts on: each must say what it is for.
ACTIONABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
              pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
              pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
              pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
              pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_PAGE_TAB}


def unnamed_controls(root):
    """Path and role of each actionable control on show that has no name, and
    how many actionable controls were looked at."""
    missing = []
    seen = 0
    for node in screen.walk(root):
        try:
            role = node.getRole()
            if role not in ACTIONABLE and not screen.action_names(node):
                continue
            # A combo box's own drop-down list and a line edit inside a
            # combo box speak for the combo box.
            parent = node.parent
            if parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX:
                continue
            # Rows of a list or tree are named by what they hold.
            if role in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_TABLE_CELL):
                continue
            # A page is named by its own title, which is the library's text.
            if role == pyatspi.ROLE_DOCUMENT_WEB:
                continue
            # The scroll bars a list or text box keeps in its frame speak for it.
            if role == pyatspi.ROLE_SCROLL_BAR and parent is not None and (
                    parent.getRole() in screen.ROW_HOLDERS or not parent.name):
                continue
            seen += 1
            if not node.name.strip():
                chain = []
                walker = node
                while walker is not None and walker is not root and len(chain) < 6:
                    chain.append(f"{walker.getRoleName()}:{walker.name!r}")
                    walker = walker.parent
                missing.append(" < ".join(chain))
        except Exception:
            continue
    return missing, seen


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)
    problems = {}

    def check(where):
        missing, seen = unnamed_controls(w.frame)
        print(f"{where}: {seen} actionable controls on show")
        if missing:
            problems[where] = missing

    check("the window at start")
    w.open_page("查询", "查询中心")
    check("the query centre")
    w.open_page("中心", "技术中心")
    check("the technology centre")
    for caption in ("参考导航", "工具抽屉", "查询报表", "关键字列表", "导航技术关键字"):
        w.choose_panel(caption)
        check(f"after the panel menu's {caption!r}")
        w.assert_no_message()

    if problems:
        lines = [f"{where}:\n  " + "\n  ".join(sorted(set(missing))) for where, missing in problems.items()]
        raise ScenarioFailure("actionable controls without a name:\n" + "\n".join(lines))
