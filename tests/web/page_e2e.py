#!/usr/bin/python3
"""The page in Debian's Chromium, used as a person uses the window: the
controls found by their accessible names, typed into with real key events.

    page_e2e.py FOLDER teclado     on a desktop-sized window: results, keys,
                                   lengths, the report and the focus
    page_e2e.py FOLDER telefono    at 360 and 320 CSS pixels on a touch screen
    page_e2e.py FOLDER sin_red     offline after the first visit; a second
                                   version at the same address replaces it
    page_e2e.py FOLDER instalable  Chromium finds it installable
    page_e2e.py FOLDER desde ADDRESS
                                   the download page at ADDRESS leads to
                                   the page, which calculates
    page_e2e.py FOLDER axe AXE_MIN_JS
                                   axe-core finds no violation at 1280 and
                                   360 pixels, nor with the report open
"""
import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from end_to_end import fail, wait_for  # noqa: E402
from web_page import (Server, as_phone, chromium, expect_quiet_console, focused_name, named, page_folder,  # noqa: E402
                      require_browser, result_line)

DAY, MONTH, YEAR = "Ingrese el d\u00eca", "Ingrese el mes", "Ingrese el a\u00f1o"
REPORT = "Error de ejecuci\u00f3n 6:\n\nDesbordamiento"
RELOAD_SECONDS = 20  # a page served from the offline copy loads in about one

# Day, month, year as typed, and what the result line then shows.
REQUESTS = [
    ("7", "5", "2003", "Mi\u00e9rcoles"),
    ("29", "2", "2000", "Martes"),
    ("29", "2", "1900", "Mal d\u00eca"),
    ("29", "2", "2004", "Domingo"),
    ("1", "1", "999", "Mal a\u00f1o"),
    ("1", "1", "1000", "Mi\u00e9rcoles"),
    ("31", "12", "9999", "Viernes"),
    ("1", "1", "1e4", "S\u00e1bado"),
    ("1", "0", "2003", "Mal mes"),
    ("1", "13", "2003", "Mal mes"),
    ("1", "99", "2003", "Mal mes"),
    ("0", "5", "2003", "Mal d\u00eca"),
    ("31", "4", "2003", "Mal d\u00eca"),
    ("30", "4", "2003", "Mi\u00e9rcoles"),
    ("1", "13", "500", "Mal a\u00f1o"),
    ("4.6", "5", "2003", "Lunes"),
    ("4.4", "5", "2003", "Domingo"),
    ("2.5", "5", "2003", "Viernes"),
    ("15", "10", "1582", "Viernes"),
    ("", "", "", "Mal a\u00f1o"),
    ("7a", "5", "2003", "Mi\u00e9rcoles"),
]


def keys(driver, *strokes):
    """Real key events, to whatever has the focus."""
    from selenium.webdriver.common.action_chains import ActionChains
    chain = ActionChains(driver)
    for stroke in strokes:
        chain.send_keys(stroke)
    chain.perform()


def with_alt(driver, letter):
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    ActionChains(driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


def fill(driver, day, month, year):
    """Types into the three boxes; the focus is left in the year box."""
    for name, text in ((DAY, day), (MONTH, month), (YEAR, year)):
        box = named(driver, name)
        box.clear()
        if text:
            box.send_keys(text)
    named(driver, YEAR).click()
    if driver.switch_to.active_element.accessible_name != YEAR:
        fail("clicking the year box did not put the focus there")


def expect_result(driver, text, what):
    wait_for(f"{text!r} in the result line ({what})", lambda: result_line(driver) == text, 10)


def calculate(driver, day, month, year, expected, what):
    """Types a date, clicks Calcular and expects that result."""
    fill(driver, day, month, year)
    named(driver, "Calcular").click()
    expect_result(driver, expected, what)


def open_page(driver, server):
    driver.get(server.address)
    wait_for("the page's form", lambda: driver.execute_script("return document.readyState") == "complete")


def report_dialog(driver):
    dialogs = [d for d in driver.find_elements("css selector", "[role=alertdialog]") if d.is_displayed()]
    return dialogs[0] if dialogs else None


def expect_report_closed_by(driver, close, focus_before):
    """An overflow: the report opens modal over the form with its text and
    its one button, which has the focus; closing it leaves the result line
    as it was and gives the focus back."""
    dialog = wait_for("the error report", lambda: report_dialog(driver))
    if dialog.accessible_name != "Calculador de fechas":
        fail(f"the report is named {dialog.accessible_name!r}")
    text = dialog.find_element("css selector", "p").text
    if text != REPORT:
        fail(f"the report says {text!r}")
    if focused_name(driver) != "Aceptar":
        fail(f"the focus is on {focused_name(driver)!r}, not on the report's button")
    if not driver.execute_script("return document.querySelector('dialog').matches(':modal')"):
        fail("the report is not modal")
    close()
    wait_for("the report to close", lambda: report_dialog(driver) is None)
    wait_for(f"the focus back on {focus_before!r}", lambda: focused_name(driver) == focus_before)


def teclado(folder):
    from selenium.webdriver.common.keys import Keys
    server = Server(folder, held={"/": b'<script id="modulo"'})
    driver = chromium(wait_for_pages=False)
    try:
        driver.get(server.address)
        wait_for("the form, before the module", lambda: focused_name(driver) == DAY)
        if driver.title != "Calculador de fechas" or driver.find_element("css selector", "html").get_attribute(
                "lang") != "es":
            fail(f"title {driver.title!r}, language not es")
        # The form takes typing while the module is still on its way, and a
        # request made then is answered as soon as it comes.
        keys(driver, "7", Keys.TAB, "5", Keys.TAB, "2003", Keys.ENTER)
        time.sleep(1)
        if result_line(driver) != "":
            fail("a result came before the module did")
        server.release()
        expect_result(driver, "Mi\u00e9rcoles", "asked for before the module came")
        wait_for("the page's end", lambda: driver.execute_script("return document.readyState") == "complete")

        # Tab goes day, month, year, Calcular, Salir; the captions name the boxes.
        named(driver, DAY).click()
        order = [focused_name(driver)]
        for _ in range(4):
            keys(driver, Keys.TAB)
            order.append(focused_name(driver))
        if order != [DAY, MONTH, YEAR, "Calcular", "Salir"]:
            fail(f"Tab goes {order}")

        for day, month, year, expected in REQUESTS:
            fill(driver, day, month, year)
            keys(driver, Keys.ENTER)
            expect_result(driver, expected, f"{day}/{month}/{year} and Enter")

        # The same request again is written again, for the live region to speak.
        driver.execute_script("""
            new MutationObserver(() => window.escrito.push(document.querySelector('output').textContent))
              .observe(document.querySelector('output'), {childList: true, characterData: true, subtree: true});
            window.escrito = [];""")
        keys(driver, Keys.ENTER)
        wait_for("the same result written again",
                 lambda: driver.execute_script("return window.escrito").count("Mi\u00e9rcoles") == 1
                 and result_line(driver) == "Mi\u00e9rcoles")
        if driver.find_element("css selector", "output").get_attribute("aria-live") != "polite":
            fail("the result line is not a polite live region")

        # Alt+C asks too; typing alone changes nothing.
        fill(driver, "8", "5", "2003")
        if result_line(driver) != "Mi\u00e9rcoles":
            fail("typing changed the result line")
        with_alt(driver, "c")
        expect_result(driver, "Jueves", "Alt+C")
        named(driver, "Calcular").click()
        expect_result(driver, "Jueves", "a click on Calcular")

        # The month box takes two characters, the year box four.
        fill(driver, "1", "123", "12345")
        if (named(driver, MONTH).get_attribute("value"), named(driver, YEAR).get_attribute("value")) != ("12", "1234"):
            fail("the month or year box took more than 2 or 4 characters")

        # Overflow: reported, closed by Enter, Esc or the button; the boxes keep
        # what was typed, and the page goes on.
        for close_with, month in (("Enter", "-1"), ("Escape", "-9"), ("click", "-5")):
            fill(driver, "8", month, "2003")
            keys(driver, Keys.ENTER)
            closer = {"Enter": lambda: keys(driver, Keys.ENTER), "Escape": lambda: keys(driver, Keys.ESCAPE),
                      "click": lambda: named(driver, "Aceptar").click()}[close_with]
            expect_report_closed_by(driver, closer, YEAR)
            if result_line(driver) != "Jueves":
                fail(f"the result line changed after the report (closed with {close_with})")
            if named(driver, MONTH).get_attribute("value") != month:
                fail("the month box lost what was typed")
        fill(driver, "300", "5", "abc")
        named(driver, "Calcular").click()
        expect_report_closed_by(driver, lambda: keys(driver, Keys.ENTER), "Calcular")
        fill(driver, "9", "5", "2003")
        keys(driver, Keys.ENTER)
        expect_result(driver, "Viernes", "after the reports")
        expect_quiet_console(driver)

        # Salir, in a tab the page did not open, cannot close it: the program
        # says it has ended, and how to open it again. (A tab with nothing
        # before the page is one a script may close.)
        driver.get(server.address + "?de-nuevo")
        wait_for("the page in a tab with history", lambda: driver.execute_script("return history.length") > 1
                 and focused_name(driver) == DAY)
        with_alt(driver, "s")
        heading = named(driver, "El programa ha terminado")
        if driver.switch_to.active_element != heading:
            fail("the focus is not on the ended program's heading")
        if driver.find_element("id", "Form1").is_displayed():
            fail("the form is still shown after Salir")
        named(driver, "Volver a abrir Calculador de fechas").click()
        wait_for("the page opened again", lambda: focused_name(driver) == DAY)
        keys(driver, Keys.ESCAPE)
        named(driver, "El programa ha terminado")
        # It asks for its own files only, and keeps nothing but the worker's copy.
        strangers = [path for path in server.requests if path != "/" and not os.path.isfile(folder + path)]
        others = driver.execute_script(
            "return performance.getEntriesByType('resource').map((e) => e.name)"
            ".filter((name) => !name.startsWith(location.origin + '/'))")
        if strangers or others:
            fail(f"the page asked for {strangers + others}")
        if driver.execute_script("return document.cookie + localStorage.length + sessionStorage.length") != "00":
            fail("the page keeps cookies or storage")
    finally:
        driver.quit()
        server.stop()
    print(f"{len(REQUESTS) + 12} passed, 0 failed")


def telefono(folder):
    """At 360 and 320 CSS pixels on a touch screen the form reflows: nothing
    scrolls sideways, every control shows, each caption above its box, the
    eye meets the controls in the order Tab does, every box and button is
    at least 24 pixels each way, text is at least 16 pixels, and the boxes
    ask for a numeric keyboard."""
    server = Server(folder)
    driver = chromium(400, 800)
    checks = 0
    try:
        for width in (360, 320):
            as_phone(driver, width)
            open_page(driver, server)
            layout = driver.execute_script("""
                const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
                const controls = [...document.querySelectorAll('#Form1 input, #Form1 button')];
                return {
                  scroll: [document.documentElement.scrollWidth, document.documentElement.clientWidth],
                  controls: controls.map((e) => [e.id, box(e), parseFloat(getComputedStyle(e).fontSize),
                                                 e.getAttribute('inputmode')]),
                  captions: [...document.querySelectorAll('#Form1 label')].map((l) => [box(l), box(l.control)]),
                  result: parseFloat(getComputedStyle(document.querySelector('output')).fontSize),
                };""")
            scroll_width, client_width = layout["scroll"]
            if scroll_width > client_width:
                fail(f"at {width} px the page scrolls sideways ({scroll_width} > {client_width})")
            tops = []
            for name, (left, top, right, bottom), font, mode in layout["controls"]:
                if right - left < 24 or bottom - top < 24:
                    fail(f"at {width} px {name} is {right - left:.0f}x{bottom - top:.0f}, under 24x24")
                if left < 0 or right > client_width:
                    fail(f"at {width} px {name} lies outside the screen")
                if font < 16:
                    fail(f"at {width} px {name}'s text is {font} px")
                if name.startswith("txt") and mode != "numeric":
                    fail(f"{name} asks for no numeric keyboard")
                tops.append((round(top), round(left), name))
            if [name for *_, name in sorted(tops)] != [name for *_, name in tops]:
                fail(f"at {width} px the eye meets the controls in another order than Tab: {sorted(tops)}")
            for (left, top, right, bottom), (box_left, box_top, box_right, _) in layout["captions"]:
                if bottom > box_top + 1 or right < box_left or left > box_right:
                    fail(f"at {width} px a caption is not above its box")
            if layout["result"] < 16:
                fail(f"at {width} px the result line's text is {layout['result']} px")
            calculate(driver, "7", "5", "2003", "Mi\u00e9rcoles", f"at {width} px")
            checks += 8
        expect_quiet_console(driver)
    finally:
        driver.quit()
        server.stop()
    print(f"{checks} passed, 0 failed")


def serve_second_version(folder):
    """A copy of the page as a newer version would be published: another
    byte in the page, and so another worker."""
    copy = tempfile.mkdtemp(prefix="pagina-2-")
    shutil.copytree(folder, copy, dirs_exist_ok=True)
    for name, old, new in (("index.html", '<html lang="es">', '<html lang="es" data-prueba="2">'),
                           ("sw.js", 'const VERSION = COPIA + "', 'const VERSION = COPIA + "2-')):
        path = os.path.join(copy, name)
        with open(path, encoding="utf-8") as file:
            text = file.read()
        if old not in text:
            fail(f"{name} has no {old!r} to change")
        with open(path, "w", encoding="utf-8") as file:
            file.write(text.replace(old, new))
    return copy


def sin_red(folder):
    """The first visit keeps the version; with the server gone the page
    opens and calculates. A second version at the same address is used whole
    from the next visits on, and the first one's copy is dropped."""
    profile = tempfile.mkdtemp(prefix="chromium-")
    server = Server(folder)
    port = server.port
    driver = chromium(profile=profile)
    try:
        open_page(driver, server)
        wait_for("the worker to take charge of the page",
                 lambda: driver.execute_script("return !!navigator.serviceWorker.controller"), 20)
        server.stop()
        driver.refresh()
        wait_for("the page with no server", lambda: focused_name(driver) == DAY)
        calculate(driver, "7", "5", "2003", "Mi\u00e9rcoles", "with no server")

        server = Server(serve_second_version(folder), port)
        version = lambda: driver.execute_script("return document.documentElement.dataset.prueba || '1'")  # noqa: E731

        def visit():
            from selenium.common.exceptions import TimeoutException
            try:
                driver.refresh()
            except TimeoutException:
                # Chromium 150, loaded, now and then leaves a reload pending
                # while the new worker waits to take charge, and asks the
                # server nothing; a reload after it is served at once.
                print(f"a reload did not end within {RELOAD_SECONDS} s: reloading again, as a person would")
                return False
            wait_for("the page", lambda: focused_name(driver) == DAY)
            if version() == "2":
                return True
            time.sleep(2)
            return False

        # The new worker takes charge once its copy is whole, which a loaded
        # machine may take a while to make: visits until then.
        driver.set_page_load_timeout(RELOAD_SECONDS)
        wait_for("a visit to show the second version", visit, 3 * RELOAD_SECONDS)
        copies = driver.execute_script("return caches.keys()")
        if len(copies) != 1 or " 2-" not in copies[0]:  # the second version's copy alone
            fail(f"the offline copies are {copies}")
        server.stop()
        driver.refresh()
        wait_for("the second version with no server", lambda: version() == "2" and focused_name(driver) == DAY)
        calculate(driver, "29", "2", "2000", "Martes", "the second version, with no server")
        expect_quiet_console(driver)
    finally:
        driver.quit()
        server.stop()
    print("4 passed, 0 failed")


def instalable(folder):
    """Chromium finds no reason not to install it, and reads the manifest
    as written."""
    server = Server(folder)
    driver = chromium()
    try:
        open_page(driver, server)
        wait_for("the worker to take charge of the page",
                 lambda: driver.execute_script("return !!navigator.serviceWorker.controller"), 20)
        errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        if errors:
            fail(f"Chromium would not install it: {errors}")
        manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
        if manifest.get("errors"):
            fail(f"the manifest has errors: {manifest['errors']}")
        import json
        data = json.loads(manifest["data"])
        expected = {"name": "Calculador de fechas", "lang": "es", "display": "standalone", "start_url": "./",
                    "scope": "./"}
        for key, value in expected.items():
            if data.get(key) != value:
                fail(f"the manifest's {key} is {data.get(key)!r}")
        purposes = sorted((icon["sizes"], icon.get("purpose", "any")) for icon in data["icons"])
        if purposes != [("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")]:
            fail(f"the manifest's icons are {purposes}")
        expect_quiet_console(driver)
    finally:
        driver.quit()
        server.stop()
    print("3 passed, 0 failed")


def axe(folder, axe_min_js):
    if not os.path.isfile(axe_min_js):
        print(f"COULD NOT RUN: no axe-core at {axe_min_js} (its fixture, web_axe_core, says why)")
        sys.exit(77)
    with open(axe_min_js, encoding="utf-8") as file:
        axe_source = file.read()
    server = Server(folder)
    driver = chromium()
    checked = []

    def no_violations(where):
        # Injected as a test tool, past the page's own Content-Security-Policy.
        driver.execute_script(axe_source)
        violations = driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run().then((r) => done(r.violations.map((v) => [v.id, v.impact, v.nodes.map((n) => n.target)])));")
        if violations:
            fail(f"axe-core, {where}: {violations}")
        checked.append(where)

    try:
        from selenium.webdriver.common.keys import Keys
        open_page(driver, server)
        no_violations("at 1280 px")
        fill(driver, "1", "-1", "2003")
        keys(driver, Keys.ENTER)
        wait_for("the error report", lambda: report_dialog(driver))
        no_violations("with the report open")
        keys(driver, Keys.ESCAPE)
        fill(driver, "7", "5", "2003")
        keys(driver, Keys.ENTER)
        expect_result(driver, "Mi\u00e9rcoles", "before axe-core")
        no_violations("with a result")
        for width in (360, 320):
            as_phone(driver, width)
            open_page(driver, server)
            no_violations(f"at {width} px")
        keys(driver, Keys.ESCAPE)
        named(driver, "El programa ha terminado")
        no_violations("once ended")
    finally:
        driver.quit()
        server.stop()
    print(f"{len(checked)} passed, 0 failed")


def desde(folder, address):
    driver = chromium()
    try:
        driver.get(address)
        named(driver, "Calculador de fechas en el navegador").click()
        wait_for("the page from the download page's link", lambda: focused_name(driver) == DAY, 30)
        calculate(driver, "7", "5", "2003", "Mi\u00e9rcoles", "opened from the download page")
        expect_quiet_console(driver, within=address + "web/")  # the download page is checked on its own
    finally:
        driver.quit()
    print("1 passed, 0 failed")


def main():
    modes = {"teclado": 0, "telefono": 0, "sin_red": 0, "instalable": 0, "axe": 1, "desde": 1}
    if len(sys.argv) < 3 or len(sys.argv) != 3 + modes.get(sys.argv[2], -9):
        sys.exit(__doc__)
    require_browser()
    folder = page_folder(sys.argv)
    globals()[sys.argv[2]](folder, *sys.argv[3:])


if __name__ == "__main__":
    main()
