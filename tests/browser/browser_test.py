#!/usr/bin/python3
"""corvanel-serve in a real browser: Debian's chromium driven by Selenium.

Starts corvanel-serve on a free loopback port over the collection given, then
walks the site as a reader would: by keyboard only, at a phone's width, in
print media, and under axe-core's accessibility rules.

Usage: browser_test.py CORVANEL_SERVE COLLECTION_FOLDER AXE_MIN_JS
"""
import json
import re
import subprocess
import sys
import unittest
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SERVE, COLLECTION, AXE = sys.argv[1:4]
PHONE_WIDTH = 360
WAIT = 20


def start_server():
    server = subprocess.Popen([SERVE, "--collection", COLLECTION, "--listen", "127.0.0.1:0"],
                              stderr=subprocess.PIPE, text=True)
    lines = []
    port = None
    while port is None:
        line = server.stderr.readline()
        if not line:
            server.wait(timeout=WAIT)
            raise RuntimeError("corvanel-serve did not start: " + "".join(lines))
        lines.append(line)
        port = re.search(r"porta (\d+)", line)
    return server, "http://127.0.0.1:" + port.group(1)


def start_browser():
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=1024,768"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Site(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # What can be missing is asked first, and whatever was started is
        # stopped again when the rest fails: a failed start ends the run at
        # once instead of leaving a server that holds it to its time limit.
        with open(AXE, encoding="utf-8") as axe:
            cls.axe = axe.read()
        cls.server, cls.base = start_server()
        try:
            cls.browser = start_browser()
        except Exception:
            cls.server.kill()
            cls.server.wait(timeout=WAIT)
            raise

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.terminate()
        cls.server.wait(timeout=WAIT)

    def setUp(self):
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})

    def open(self, path):
        self.browser.get(self.base + path)

    def press(self, *keys):
        ActionChains(self.browser).send_keys(*keys).perform()

    def focused(self):
        return self.browser.switch_to.active_element

    def tab_to(self, matches, limit=80):
        """Tabs until the focused element matches; fails if it never does."""
        for _ in range(limit):
            self.press(Keys.TAB)
            if matches(self.focused()):
                return self.focused()
        self.fail("Tab never reached the element")

    def wait_for(self, condition):
        WebDriverWait(self.browser, WAIT).until(lambda _: condition())

    def marks_in_frame(self):
        self.browser.switch_to.frame("pagina")
        try:
            self.wait_for(lambda: self.browser.execute_script(
                "return document.querySelectorAll('corvanel-marca').length") > 0)
            return self.browser.execute_script(
                "return [document.querySelectorAll('corvanel-marca').length,"
                " document.querySelector('.corvanel-atual') !== null]")
        finally:
            self.browser.switch_to.default_content()

    def test_keyboard_only_path(self):
        self.open("/secao/C")
        # The category tree's, past the search forms' "Opções".
        summary = self.tab_to(lambda e: e.tag_name == "summary" and e.text != "Opções")
        summary.send_keys(Keys.ENTER)
        self.tab_to(lambda e: e.tag_name == "a" and "categoria=" in (e.get_attribute("href") or ""))
        self.press(Keys.ENTER)
        self.wait_for(lambda: "/resultado" in self.browser.current_url)
        listing = self.browser.current_url

        # A search first, so the narrowing has words to mark.
        self.open("/")
        self.tab_to(lambda e: e.get_attribute("id") == "busca-geral")
        self.press("criança", Keys.ENTER)
        self.wait_for(lambda: "q=" in self.browser.current_url)
        first = self.browser.current_url
        self.tab_to(lambda e: e.get_attribute("id") == "dentro")
        self.press("direito", Keys.ENTER)
        self.wait_for(lambda: "dentro=direito" in self.browser.current_url)
        self.browser.back()
        self.wait_for(lambda: self.browser.current_url == first)
        self.browser.forward()
        self.wait_for(lambda: "dentro=direito" in self.browser.current_url)
        self.tab_to(lambda e: "/documento/" in (e.get_attribute("href") or ""))
        self.press(Keys.ENTER)
        self.wait_for(lambda: "/documento/" in self.browser.current_url)
        count, current = self.marks_in_frame()
        self.assertGreater(count, 0)
        self.assertTrue(current)
        self.assertNotEqual(listing, first)

    def test_whole_words_reach_the_marks_of_the_page(self):
        # The page holds "guarda" whole and inside longer words.
        counts = []
        for path in ("/documento/204?marcar=guarda", "/documento/204?marcar=guarda&inteira=1"):
            self.open(path)
            counts.append(self.marks_in_frame()[0])
        self.assertLess(counts[1], counts[0])

    def test_phone_width_has_no_horizontal_scroll(self):
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": PHONE_WIDTH, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        for path in ("/", "/secao/A", "/resultado?q=crian%C3%A7a", "/resultado?categoria=C11",
                     "/resultado?q=guarda&inteira=1&ordem=relevancia&agrupar=1",
                     "/documento/101?marcar=crian%C3%A7a", "/autores"):
            with self.subTest(path=path):
                self.open(path)
                widths = self.browser.execute_script(
                    "return [document.documentElement.scrollWidth, window.innerWidth]")
                self.assertEqual(widths[1], PHONE_WIDTH)
                self.assertLessEqual(widths[0], widths[1])

    def test_print_media_hides_the_frame_header(self):
        self.open("/documento/101")
        header = self.browser.find_element(By.CSS_SELECTOR, "header.documento")
        self.assertTrue(header.is_displayed())
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        self.assertFalse(header.is_displayed())
        self.assertTrue(self.browser.find_element(By.ID, "pagina").is_displayed())

    def test_no_serious_accessibility_violation_on_any_kind_of_page(self):
        for path in ("/", "/secao/A", "/secao/F", "/resultado?q=crian%C3%A7a&dentro=direito",
                     "/resultado?q=guarda&inteira=1&ordem=relevancia&agrupar=1",
                     "/resultado?lista=geral&pagina=1", "/autores", "/documento/101",
                     "/resultado", "/nada"):
            with self.subTest(path=path):
                self.open(path)
                self.browser.execute_script(self.axe)
                result = self.browser.execute_async_script(
                    "const done = arguments[arguments.length - 1];"
                    "axe.run(document, {iframes: false}).then(r => done(JSON.stringify("
                    "r.violations.filter(v => v.impact === 'serious' || v.impact === 'critical')"
                    ".map(v => v.id + ': ' + v.nodes.map(n => n.target).join(' ')))));")
                self.assertEqual(json.loads(result), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
