# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition's figures for the README's performance table: the
site's size, the time from navigation to the first board in headless
Chromium, and the core's speed in the page against the same program built
natively (bench/web_bench.cpp).

Usage: web_report.py SITE WEB_BENCH_FOLDER NATIVE_WEB_BENCH
Prints one JSON object."""
import functools
import glob
import http.server
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE, WASM_BENCH, NATIVE_BENCH = sys.argv[1:4]


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1200,900", f"--user-data-dir={tempfile.mkdtemp()}"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def size(paths):
    return sum(os.path.getsize(p) for p in paths)


def first_board(driver, address, runs=7):
    """Milliseconds from navigation to the first painted board, the median
    of fresh loads (the browser's cache kept, as for a player's next visit,
    after one load that fills it)."""
    times = []
    for run in range(runs + 1):
        driver.get("about:blank")
        driver.get(address + "index.html")
        WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.ready"))
        mark = driver.execute_script(
            "return performance.getEntriesByName('glyphmatic-first-board')[0].startTime")
        if run > 0:
            times.append(mark)
    return statistics.median(times)


BENCH_PAGE = """<!DOCTYPE html><meta charset="utf-8"><script src="web_bench.js"></script>
<script>WebBench({print: (line) => { document.title = line; }});</script>"""


def in_page(driver, folder):
    with tempfile.TemporaryDirectory() as served:
        for name in ("web_bench.js", "web_bench.wasm"):
            shutil.copy(os.path.join(folder, name), served)
        with open(os.path.join(served, "index.html"), "w") as page:
            page.write(BENCH_PAGE)
        driver.get(serve(served) + "index.html")
        WebDriverWait(driver, 120).until(lambda d: d.title.startswith("{"))
        return json.loads(driver.title)


def main():
    script = size([os.path.join(SITE, "glyphmatic.js"), os.path.join(SITE, "glyphmatic.wasm")])
    pictures = size(glob.glob(os.path.join(SITE, "pictures", "**", "*.svg"), recursive=True))
    everything = size(p for p in glob.glob(os.path.join(SITE, "**"), recursive=True) if os.path.isfile(p))
    native = json.loads(subprocess.run([NATIVE_BENCH], check=True, capture_output=True, text=True).stdout)
    driver = browser()
    try:
        board = first_board(driver, serve(SITE))
        page = in_page(driver, WASM_BENCH)
    finally:
        driver.quit()
    print(json.dumps({
        "script_and_wasm_kb": round(script / 1000), "pictures_kb": round(pictures / 1000),
        "site_kb": round(everything / 1000), "first_board_ms": round(board),
        "page": page, "native": native,
    }))


if __name__ == "__main__":
    main()
