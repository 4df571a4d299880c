#!/usr/bin/python3
"""The web page's first visit on a slow phone link, against a bare page with
the same three boxes whose inline script takes the weekday from JavaScript's
Date: what a first visit downloads (raw, and as gzip would send it), and the
time from navigation to the form's first paint and to the first result for
7/5/2003, with Chromium's
network emulation at 400 ms of latency and 400 kbit/s each way, from a
server that compresses as most do and from one that does not. Each run is
a first visit, in a new profile; runs alternate between the pages, and
medians and their ratio come last.

    web_startup.py WEB_FOLDER [runs]
"""
import gzip
import os
import re
import shutil
import statistics
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "support"))
from web_page import Server, chromium, require_browser  # noqa: E402

SLOW = {"offline": False, "latency": 400, "downloadThroughput": 400_000 / 8, "uploadThroughput": 400_000 / 8}
WAIT = 60  # seconds, for a first result


def first_result(address):
    """Milliseconds from navigation to the result line's first text and to
    the page's first paint, in a new profile."""
    driver = chromium()
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            document.addEventListener("DOMContentLoaded", () => {
              const salida = document.getElementById("lblsalida");
              new MutationObserver(() => { window.primerResultado ??= performance.now(); })
                .observe(salida, {childList: true, characterData: true, subtree: true});
              for (const [id, texto] of [["txtDia", "7"], ["txtmes", "5"], ["txtanio", "2003"]]) {
                document.getElementById(id).value = texto;
              }
              document.getElementById("Form1").requestSubmit();
            });"""})
        driver.get(address)
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            found = driver.execute_script("return [window.primerResultado, document.getElementById('lblsalida')"
                                          ".textContent, performance.getEntriesByName('first-contentful-paint')"
                                          ".map((pintado) => pintado.startTime)[0]]")
            if found[0] is not None and found[1].strip() and found[2] is not None:
                if found[1] != "Mi\u00e9rcoles":
                    sys.exit(f"the page answered {found[1]!r}")
                return found[0], found[2]
            time.sleep(0.05)
        sys.exit(f"no result within {WAIT} s from {address}")
    finally:
        driver.quit()


def first_visit(folder):
    """Every file a first visit downloads, once each: the page, then its
    worker and, for its offline copy, every file the worker names, as their
    bytes and as gzip sends them. The worker asks for the page again, which a
    server that dates its files answers with its headers alone."""
    with open(os.path.join(folder, "sw.js"), encoding="utf-8") as worker:
        kept = re.search(r"const ARCHIVOS = \[(.*?)\];", worker.read())[1]
    names = dict.fromkeys(["index.html", "sw.js"] + [name.strip(' "') for name in kept.split(",")])
    sizes = {}
    for name in names:
        with open(os.path.join(folder, name), "rb") as data:
            content = data.read()
        sizes[name] = (len(content), len(gzip.compress(content, 9, mtime=0)))
    return sizes


def first_visit_of_bare(folder):
    with open(os.path.join(folder, "index.html"), "rb") as data:
        content = data.read()
    return len(content), len(gzip.compress(content, 9, mtime=0))


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    require_browser()
    folder = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 7
    bare = tempfile.mkdtemp(prefix="pagina-minima-")
    shutil.copy(os.path.join(HERE, "bare_page.html"), os.path.join(bare, "index.html"))
    ours, reference = Server(folder, gzip=True), Server(bare, gzip=True)
    plain = Server(folder)
    times = {"ours": [], "bare": [], "plain": []}
    paints = {"ours": [], "bare": [], "plain": []}
    try:
        for _ in range(runs):
            for page, server in (("ours", ours), ("bare", reference), ("plain", plain)):
                result, paint = first_result(server.address)
                times[page].append(result)
                paints[page].append(paint)
    finally:
        ours.stop()
        reference.stop()
        plain.stop()
    sizes = first_visit(folder)
    for name, (raw, packed) in sizes.items():
        print(f"  {name}: {raw} bytes, {packed} con gzip")
    raw, packed = (sum(size[i] for size in sizes.values()) for i in (0, 1))
    bare_raw, bare_packed = first_visit_of_bare(bare)
    print(f"Primera visita: {raw} bytes ({packed} con gzip); la página mínima, {bare_raw} ({bare_packed}): "
          f"razón {packed / bare_packed:.1f} con gzip")
    ours_ms, bare_ms, plain_ms = (statistics.median(times[page]) for page in ("ours", "bare", "plain"))
    print(f"Primer resultado con 400 ms de latencia y 400 kbit/s (mediana de {runs}), de un servidor con gzip: "
          f"{ours_ms:.0f} ms; la página mínima, {bare_ms:.0f} ms: razón {ours_ms / bare_ms:.2f}")
    print(f"De un servidor sin compresión: {plain_ms:.0f} ms: razón {plain_ms / bare_ms:.2f}")
    ours_ms, bare_ms = (statistics.median(paints[page]) for page in ("ours", "bare"))
    print(f"El formulario, pintado a los {ours_ms:.0f} ms; la página mínima, a los {bare_ms:.0f} ms")


if __name__ == "__main__":
    main()
