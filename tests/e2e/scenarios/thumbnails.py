"""Thumbnails of the interface centre, as a user meets them: after reading a
document of another centre, "缩略图显示" is usable on entering the interface
centre; the thumbnails are named by their records' titles; a double click
opens the picture, and "上一页", "下一页" and "恢复缩略图" stay clear of it."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until


def top_of_picture(ctx, page):
    """The first row of the page whose middle third is mostly not white: the
    top of the picture on show (the page around it is white)."""
    x, y, width, height = screen.extents(page)
    shot = ctx.screen.grab((x + width // 3, y, width // 3, height))
    pixels = shot.load()
    for row in range(shot.height):
        coloured = sum(1 for col in range(shot.width) if sum(pixels[col, row]) < 3 * 235)
        if coloured > shot.width // 2:
            return y + row
    return None


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")
    w.open_in_tree("C++ 程序设计", "C++ 程序设计：学习路线与内容导读")

    w.open_page("中心", "界面中心")
    button = w.control("缩略图显示", pyatspi.ROLE_PUSH_BUTTON)
    wait_until("缩略图显示 usable on entering the interface centre", lambda: screen.is_enabled(button), timeout=5)
    ctx.input.click_on(button)
    grid = w.control("缩略图")
    cells = wait_until("the thumbnails",
                       lambda: [c for c in screen.find_all(grid, role=pyatspi.ROLE_PUSH_BUTTON) if c.name])
    unnamed = [c for c in cells if c.name.isdigit()]
    if unnamed:
        raise ScenarioFailure(f"{len(unnamed)} thumbnails are named by their codes, not their titles")

    title = cells[0].name
    x, y = screen.centre_of(cells[0])
    ctx.input.move(x, y)
    ctx.input.double_click(x, y)
    restore = w.control("恢复缩略图", pyatspi.ROLE_PUSH_BUTTON)
    page = wait_until("the picture's page", lambda: w.page())
    picture_top = wait_until("the picture drawn in the page", lambda: top_of_picture(ctx, page), timeout=20)
    for name in ("上一页", "下一页", "恢复缩略图"):
        bx, by, bw, bh = screen.extents(w.control(name, pyatspi.ROLE_PUSH_BUTTON))
        if by + bh > picture_top:
            raise ScenarioFailure(f"{name!r} reaches down to y {by + bh}, over the picture of {title!r} at y {picture_top}")
    ctx.input.click_on(restore)
    wait_until("the thumbnails back", lambda: screen.is_showing(grid), timeout=10)
