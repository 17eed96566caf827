"""Headless Chromium as the page's tests drive it: Debian's chromium and chromedriver, with
no network of its own, and a wait for what a script on the page says."""
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start_browser(profile, language=None):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    flags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--user-data-dir=' + profile]
    if language:
        flags += ['--window-size=1200,1600', '--lang=' + language]
        options.add_experimental_option('prefs', {'intl.accept_languages': language})
    for flag in flags:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def wait_for(driver, script, seconds=60, every=0.05):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(every)
    raise AssertionError('timed out waiting for: ' + script)
