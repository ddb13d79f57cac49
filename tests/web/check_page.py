# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition in a real browser: headless Chromium plays a code
with the keyboard, asks for a hint and finds the cells glyphtool names,
reloads and finds its kept game, solves it, and opens in German with a
code that is none.

Usage: check_page.py SITE GLYPHTOOL (SITE as scripts/web.sh builds it)."""
import functools
import http.server
import json
import os
import re
import subprocess
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, TOOL = sys.argv[1], sys.argv[2]
LOOKS = {"plain": 0, "no": 1, "yes": 2, "greyed": 3, "greyedno": 4}


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/index.html"


def browser(language):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1200,900", f"--lang={language}", f"--user-data-dir={tempfile.mkdtemp()}"]:
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def tool(*args):
    return json.loads(subprocess.run([TOOL, *args], check=True, capture_output=True, text=True).stdout)


def check(condition, what):
    if not condition:
        raise AssertionError(what)


class Page:
    def __init__(self, driver):
        self.driver = driver
        self.wait = WebDriverWait(driver, 30)

    def open(self, address):
        self.driver.get(address)
        self.wait.until(lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))

    def js(self, script):
        return self.driver.execute_script(script)

    def grid(self):
        """The grid as a saved game holds it: 100 cell values."""
        sources = self.js("return [...document.querySelectorAll('#grid .cell img')].map(i => i.src)")
        return "".join(str(LOOKS[re.search(r"([a-z]+)\d\.svg$", s).group(1)]) for s in sources)

    def keys(self, *keys):
        grid = self.driver.find_element(By.ID, "grid")
        for key in keys:
            grid.send_keys(key)

    def button(self, command):
        self.driver.find_element(By.CSS_SELECTOR, f"#buttons [data-command='{command}']").click()

    def note(self):
        return self.driver.find_element(By.ID, "note").text


def declare(page, symbol, digit):
    """The cursor to the symbol's row, then the digit typed."""
    page.keys(*([Keys.UP] * 9), *([Keys.DOWN] * symbol), str(digit))


def play_a_code(address):
    puzzle = tool("generate", "--code", "20101-1KMGC-4YF6M")
    symbols = puzzle["symbols"]  # symbols[d]: the symbol of digit d
    page = Page(browser("en-US"))
    try:
        page.open(address + "#code=20101-1KMGC-4YF6M")
        check(page.js("return document.activeElement.id") == "grid", "the grid has the keyboard at the start")
        grid = page.driver.find_element(By.ID, "grid")
        check(grid.get_attribute("role") == "grid" and grid.get_attribute("aria-label") == "Solution grid",
              "the grid is named as the desktop names it")
        check(len(page.driver.find_elements(By.CSS_SELECTOR, "[role=gridcell]")) == 100, "a hundred cells")
        check(page.driver.find_element(By.ID, "code").text.endswith("20101-1KMGC-4YF6M"), "the code's puzzle")
        check("#" not in page.driver.current_url, "the address goes back to the page's own")
        for digit in range(3):
            declare(page, symbols[digit], digit)
        page.keys(Keys.HOME)
        cursor = page.js("return document.getElementById('grid').getAttribute('aria-activedescendant')")
        check(cursor == f"cell-{10 * symbols[2]}", "the focused cell follows the cursor")
        name = page.driver.find_element(By.ID, f"cell-{10 * symbols[1] + 1}").get_attribute("aria-label")
        check(name.endswith("digit 1: declared"), f"a declared cell says so: {name}")

        page.button("Hint")
        framed = sorted(int(c.get_attribute("data-cell"))
                        for c in page.driver.find_elements(By.CSS_SELECTOR, ".cell.step"))
        with tempfile.TemporaryDirectory() as folder:
            described = os.path.join(folder, "game.json")
            with open(described, "w") as out:
                json.dump({"puzzle": puzzle["text"], "symbols": symbols, "grid": page.grid(), "bookmarks": []}, out)
            saved = os.path.join(folder, "game.gly")
            subprocess.run([TOOL, "game", "write", described, saved], check=True, capture_output=True)
            hint = tool("hint", "--game", saved)
        check(framed == sorted(10 * s + d for s, d in hint["cells"]), f"Hint frames {framed}, glyphtool {hint}")

        before = page.grid()
        page.driver.refresh()
        page.wait.until(lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))
        check(page.grid() == before, "a reload finds the kept game as it was")
        check(page.driver.find_element(By.ID, "code").text.endswith("20101-1KMGC-4YF6M"), "and its puzzle")

        for digit in range(3, 10):
            declare(page, symbols[digit], digit)
        page.wait.until(lambda d: "Well done" in page.note())
        pictures = page.js("return [...document.querySelectorAll('#board .picture img')].map(i => i.src)")
        check(all("/digit" in p for p in pictures[:27]), "every number shows its digits once solved")
    finally:
        page.driver.quit()


def open_in_german(address):
    """German from the browser's language; a damaged kept game in the
    browser's storage, a code that is none and a storage that refuses are
    each said, and a game stands on the board."""
    page = Page(browser("de-DE"))
    try:
        page.open(address)
        check(page.js("return document.documentElement.lang") == "de", "the page speaks German")
        check(page.driver.find_element(By.ID, "grid").get_attribute("aria-label") == "Lösungsgitter",
              "the grid's German name")
        check(page.driver.find_element(By.CSS_SELECTOR, "[data-command='New']").text == "Neues Spiel",
              "the buttons' German captions")
        # Damaged while no game page is open (here: from the help page).
        page.driver.get(address.replace("index.html", "glyph_de.html"))
        page.js("localStorage.setItem('glyphmatic:file:unfinished.gly', 'damaged')")
        page.open(address + "#code=NOT-A-CODE")
        said = []
        for _ in range(2):
            prompt = page.driver.find_element(By.ID, "prompt")
            said.append(prompt.text)
            prompt.find_element(By.TAG_NAME, "button").click()
        check("nicht gelesen werden" in said[0] and "kein Rätselcode" in said[1], f"both are said: {said}")
        check(not page.js("return document.getElementById('prompt').open"), "and nothing more")
        kept = page.js("return Object.keys(localStorage).filter(k => k.includes('unfinished'))")
        check(len(kept) == 1 and "unfinished.gly" not in kept, f"the damaged game is set aside: {kept}")
        check(page.driver.find_element(By.ID, "code").text.startswith("Code:"), "a game stands on the board")
        # A storage that takes nothing more: the first mark's statistics are not kept, and that is said.
        page.js("Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }")
        page.keys(Keys.SPACE)
        page.wait.until(lambda d: d.execute_script("return document.getElementById('prompt').open"))
        said = page.driver.find_element(By.ID, "prompt").text
        check("Speicher des Browsers ist voll" in said, f"a full storage is said: {said}")
    finally:
        page.driver.quit()


def main():
    if not os.path.isfile(os.path.join(SITE, "index.html")):
        sys.exit(f"No site in {SITE}: scripts/web.sh builds it.")
    address = serve(SITE)
    play_a_code(address)
    open_in_german(address)
    print("The page plays, hints, keeps its game and speaks German.")


if __name__ == "__main__":
    main()
