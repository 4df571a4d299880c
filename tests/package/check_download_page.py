#!/usr/bin/python3
"""The download page as a browser shows it. Debian's Chromium, headless,
opens the page from the web server that serves the release, with axe-core
and a few lines of our own added to a copy of it: axe-core must find no
accessibility violation, every link and picture must answer 200 and every
picture show. And the sizes and SHA-256 the page gives must be the files'.
    check_download_page.py DIST ADDRESS AXE_MIN_JS
DIST is the folder the server at ADDRESS serves.
"""
import hashlib
import html
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys

WAIT = 120  # seconds, for the browser to load the page and run the checks

CHECKS = """
<script src="axe.min.js"></script>
<script>
(async () => {
  const addresses = [...document.querySelectorAll("a[href]")].map(a => a.href)
    .concat([...document.querySelectorAll("img")].map(img => img.src));
  const answers = await Promise.all(addresses.map(async address => {
    try { return [address, (await fetch(address, {method: "HEAD"})).status]; }
    catch (error) { return [address, String(error)]; }
  }));
  const unseen = [...document.querySelectorAll("img")].filter(img => !img.complete || img.naturalWidth === 0)
    .map(img => img.src);
  const violations = (await axe.run()).violations.map(v => [v.id, v.impact, v.nodes.length]);
  const out = document.createElement("pre");
  out.id = "resultado-de-la-prueba";
  out.textContent = JSON.stringify({answers, unseen, violations});
  document.body.appendChild(out);
})();
</script>
"""


class Table(html.parser.HTMLParser):
    """The rows of the page's table of files: name, size, SHA-256."""

    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.in_body = [], None, False

    def handle_starttag(self, tag, attrs):
        if tag == "tbody":
            self.in_body = True
        elif self.in_body and tag == "tr":
            self.rows.append([])
        elif self.in_body and tag == "td":
            self.cell = ""

    def handle_endtag(self, tag):
        if tag == "td" and self.cell is not None:
            self.rows[-1].append(self.cell.strip())
            self.cell = None
        elif tag == "tbody":
            self.in_body = False

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def bytes_shown(text):
    """The size the page gives, in bytes, and how far it may be off."""
    number, unit = re.fullmatch(r"([\d,]+) (B|KiB)", text).groups()
    value = float(number.replace(",", "."))
    return (value, 0) if unit == "B" else (value * 1024, 0.05 * 1024)


def main(dist, address, axe):
    failures = []
    table = Table()
    with open(os.path.join(dist, "index.html"), encoding="utf-8") as page:
        text = page.read()
    table.feed(text)
    for name, size, digest in table.rows:
        path = os.path.join(dist, name)
        with open(path, "rb") as file:
            actual = hashlib.sha256(file.read()).hexdigest()
        shown, slack = bytes_shown(size)
        if digest != actual:
            failures.append(f"{name}: the page gives SHA-256 {digest}, the file has {actual}")
        if abs(shown - os.path.getsize(path)) > slack:
            failures.append(f"{name}: the page gives {size}, the file has {os.path.getsize(path)} bytes")
    files = sorted(os.path.relpath(os.path.join(folder, name), dist) for folder, _, names in os.walk(dist)
                   for name in names)
    listed = {row[0] for row in table.rows}
    unlisted = [name for name in files if name not in listed and name != "index.html" and name != "SHA256SUMS"
                and not name.endswith((".tar.gz.asc", "SHA256SUMS.asc", "InRelease", "Release.gpg"))]
    if not table.rows or unlisted:
        failures.append(f"files the page does not list: {unlisted}")

    check = os.path.join(dist, "prueba-de-la-pagina.html")
    shutil.copyfile(axe, os.path.join(dist, "axe.min.js"))
    with open(check, "w", encoding="utf-8") as out:
        out.write(text.replace("</body>", CHECKS + "</body>"))
    try:
        dom = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--virtual-time-budget=30000",
                              "--dump-dom", address + "prueba-de-la-pagina.html"],
                             capture_output=True, text=True, timeout=WAIT).stdout
    finally:
        os.remove(check)
        os.remove(os.path.join(dist, "axe.min.js"))
    found = re.search(r'<pre id="resultado-de-la-prueba">(.*?)</pre>', dom, re.S)
    if not found:
        sys.exit(f"download page: the browser gave no result within {WAIT} s")
    result = json.loads(html.unescape(found[1]))
    failures += [f"{link} answers {status}" for link, status in result["answers"] if status != 200]
    failures += [f"picture not shown: {picture}" for picture in result["unseen"]]
    failures += [f"axe-core: {rule} ({impact}), {count} element(s)" for rule, impact, count in result["violations"]]
    if failures:
        sys.exit("download page:\n  " + "\n  ".join(failures))
    print(f"download page: {len(table.rows)} files listed with their sizes and SHA-256, "
          f"{len(result['answers'])} links and pictures answer 200, axe-core finds no violation")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
