"""What the page's browser tests share: a web server of their own on
127.0.0.1, Debian's Chromium driven through Selenium, and the page's
controls found by their accessible names, as a screen reader finds them."""
import functools
import http.server
from gzip import compress
import os
import shutil
import sys
import tempfile
import threading

from end_to_end import fail, wait_for

COULD_NOT_RUN = 77  # ctest's SKIP_RETURN_CODE: said loudly, never counted as passed
LIFETIME = 600  # seconds: a server left behind by a crashed test stops by itself

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    webdriver = None


def require_browser():
    """Ends the test as not run, saying why, where Chromium, its driver or
    Selenium is missing."""
    missing = [what for what, present in (("python3-selenium", webdriver is not None),
                                          ("chromium", shutil.which("chromium")),
                                          ("chromium-driver", shutil.which("chromedriver"))) if not present]
    if missing:
        print(f"COULD NOT RUN: {', '.join(missing)} missing (scripts/install-deps.sh web)")
        sys.exit(COULD_NOT_RUN)


class Server:
    """Serves a folder on 127.0.0.1 at a port the system picks, from a thread,
    until stopped or for LIFETIME seconds. Records the paths asked for; a
    path in `held` is sent up to its marker, and the rest only once
    release() is called. With gzip, sends what the browser accepts
    compressed so, as most web servers do."""

    def __init__(self, folder, port=0, held=None, gzip=False):
        self.requests = []
        self.gate = threading.Event()
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                              ".js": "text/javascript"}

            def do_GET(self):
                path = self.path.split("?")[0]
                server.requests.append(path)
                file = self.translate_path(path)
                if os.path.isdir(file):
                    file = os.path.join(file, "index.html")
                if held and path in held:
                    with open(file, "rb") as data:
                        body = data.read()
                    before = body.index(held[path])
                    self.send_response(200)
                    self.send_header("Content-Type", self.guess_type(file))
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    self.wfile.write(body[:before])
                    self.wfile.flush()
                    if server.gate.wait(LIFETIME):
                        self.wfile.write(body[before:])
                    return
                if gzip and "gzip" in self.headers.get("Accept-Encoding", "") and os.path.isfile(file):
                    with open(file, "rb") as data:
                        body = compress(data.read(), 9, mtime=0)
                    self.send_response(200)
                    self.send_header("Content-Type", self.guess_type(file))
                    self.send_header("Content-Encoding", "gzip")
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    self.wfile.write(body)
                    return
                super().do_GET()

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                                     functools.partial(Handler, directory=folder))
        self.httpd.handle_error = lambda request, address: None  # a browser that hung up
        self.port = self.httpd.server_address[1]
        self.address = f"http://127.0.0.1:{self.port}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.timer = threading.Timer(LIFETIME, self.stop)
        self.timer.daemon = True
        self.timer.start()

    def release(self):
        self.gate.set()

    def stop(self):
        self.gate.set()
        self.httpd.shutdown()
        self.httpd.server_close()
        self.timer.cancel()


def chromium(width=1280, height=800, profile=None, wait_for_pages=True):
    """Headless Chromium with a window of that size, its own profile (kept
    where one is given, so that a second visit finds what the first left),
    and nothing of its own sent anywhere. Without wait_for_pages, it is
    driven while a page is still coming."""
    options = webdriver.ChromeOptions()
    if not wait_for_pages:
        options.page_load_strategy = "none"
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-first-run", "--disable-quic", f"--window-size={width},{height}",
                 f"--user-data-dir={profile or tempfile.mkdtemp(prefix='chromium-')}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(options=options, service=Service(shutil.which("chromedriver")))
    driver.set_page_load_timeout(60)
    driver.set_script_timeout(60)
    return driver


def as_phone(driver, width, height=740):
    """A phone's screen: that many CSS pixels wide, at two device pixels to
    one, with a touch screen."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})


_found = {}  # (driver, name) -> the control last found so, while it stays on the page


def named(driver, name, seconds=10):
    """The one visible control whose accessible name is name."""
    from selenium.common.exceptions import StaleElementReferenceException
    known = _found.get((id(driver), name))
    try:
        if known is not None and known.is_displayed() and known.accessible_name == name:
            return known
    except StaleElementReferenceException:
        pass

    def found():
        matches = [element for element in driver.find_elements(By.CSS_SELECTOR, "input, button, output, a, h1, h2, "
                                                                                "[role]")
                   if element.is_displayed() and element.accessible_name == name]
        return matches[0] if len(matches) == 1 else None
    _found[(id(driver), name)] = wait_for(f"one control named {name!r}", found, seconds)
    return _found[(id(driver), name)]


def focused_name(driver):
    return driver.switch_to.active_element.accessible_name


def result_line(driver):
    return driver.find_element(By.CSS_SELECTOR, "output").text


def expect_quiet_console(driver, within=None):
    """Nothing the page did was refused or failed: no error in its console,
    a Content-Security-Policy refusal among them. Given an address, only
    what concerns the page under it counts."""
    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"
              and not (within and entry["message"].startswith("http") and not entry["message"].startswith(within))]
    if errors:
        fail("the page's console has errors:\n  " + "\n  ".join(errors))


def page_folder(argv):
    folder = os.path.abspath(argv[1])
    if not os.path.isfile(os.path.join(folder, "index.html")):
        fail(f"no page in {folder}")
    return folder
