// The browsers beside Chromium that players meet: Firefox on desktops,
// WebKit in every browser on an iPhone. Debian's firefox-esr is driven over
// WebDriver BiDi (puppeteer-core), WebKitGTK's MiniBrowser through its
// WebDriver (selenium-webdriver) on an X server of its own (Xvfb). Both give
// a page that harness.mjs's Game plays as it plays Chromium's: evaluate(),
// keyboard.down/up/press, goto(), console errors. Used by engines.mjs and
// the benchmark (bench/web_bench.mjs).

import { spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { createServer } from "node:http";
import { sleep, serve } from "./harness.mjs";
import puppeteer from "puppeteer-core";
import { Builder, Key } from "selenium-webdriver";

export const FIREFOX = process.env.FLATMATES_FIREFOX || "/usr/bin/firefox-esr";

// WebKitGTK keeps its MiniBrowser beside its other programs, in a folder
// named after its API version.
export function miniBrowser() {
  if (process.env.FLATMATES_MINIBROWSER) return process.env.FLATMATES_MINIBROWSER;
  for (const lib of ["/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib"]) {
    if (!existsSync(lib)) continue;
    for (const dir of readdirSync(lib).filter((d) => /^webkit2?gtk-[\d.]+$/.test(d)).sort().reverse())
      if (existsSync(`${lib}/${dir}/MiniBrowser`)) return `${lib}/${dir}/MiniBrowser`;
  }
  throw new Error("WebKitGTK's MiniBrowser is not installed (Debian: libwebkit2gtk-4.1-0)");
}

// None of Firefox's own calls home, which on a closed network only fill the
// log with refused connections. Puppeteer's profile turns off updates, safe
// browsing and health reports; the remote settings (blocklists and the
// like, which a fresh profile asks for a dozen times) are pointed at
// nothing here.
const QUIET_FIREFOX = {
  "app.normandy.enabled": false,
  "app.update.auto": false,
  "browser.discovery.enabled": false,
  "browser.ping-centre.telemetry": false,
  "browser.region.network.url": "",
  "browser.region.update.enabled": false,
  "browser.safebrowsing.provider.google4.updateURL": "",
  "browser.safebrowsing.provider.mozilla.updateURL": "",
  "browser.topsites.contile.enabled": false,
  "datareporting.usage.uploadEnabled": false,
  "extensions.blocklist.enabled": false,
  "identity.fxaccounts.enabled": false,
  "media.gmp-manager.url": "",
  "messaging-system.rsexperimentloader.enabled": false,
  "network.captive-portal-service.enabled": false,
  "network.connectivity-service.enabled": false,
  "network.dns.disablePrefetch": true,
  "network.prefetch-next": false,
  "network.trr.mode": 5,
  "services.settings.server": "data:,#remote-settings-dummy/v1",
  "toolkit.telemetry.enabled": false,
  "toolkit.telemetry.server": "",
  "toolkit.telemetry.unified": false,
};

// Debian's firefox-esr, headless, with a fresh profile that close() removes.
export async function launchFirefox({ viewport = { width: 1280, height: 900 } } = {}) {
  const browser = await puppeteer.launch({
    browser: "firefox", executablePath: FIREFOX, headless: true, defaultViewport: viewport,
    extraPrefsFirefox: QUIET_FIREFOX,
    // A fresh profile's first start is slow on a loaded machine.
    timeout: 90000,
    // A release build takes another remote settings server only with this.
    env: { ...process.env, MOZ_REMOTE_SETTINGS_DEVTOOLS: "1" },
  });
  const version = (await browser.version()).replace(/^firefox\//i, "");
  return {
    name: `Firefox ${version}`,
    serve,
    newPage: () => browser.newPage(),
    close: () => browser.close(),
  };
}

// ------------------------------------------------------------------ WebKit

// The WebDriver names of the keys the game is played with.
const KEYS = {
  ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
  Shift: Key.SHIFT, Space: Key.SPACE, Escape: Key.ESCAPE, Enter: Key.ENTER,
};
const key = (name) => KEYS[name] ?? name;

// WebKit's WebDriver hands out no console log and cannot run a script
// before a page loads, so the page at "/" is served with this one first in
// its head: it keeps what would show as console errors where the test reads
// them back. Listeners that handle an error themselves (the page turns an
// undecodable sound into a line of its own) prevent its default, as they
// would keep it off the console.
const RECORDER = `<script>(() => {
  const errors = window.testConsoleErrors = [];
  const unless = (event, text) => setTimeout(() => event.defaultPrevented || errors.push(text), 0);
  const error = console.error.bind(console);
  console.error = (...args) => { errors.push(args.map(String).join(" ")); error(...args); };
  addEventListener("error", (e) => unless(e, String(e.message || e.error)));
  addEventListener("unhandledrejection", (e) => unless(e, "unhandled rejection: " + String(e.reason)));
})();</script>`;

// The build as harness.mjs serves it, but for the recorder in the page at
// "/", the one the test opens; every other address, index.html among them,
// answers as built, so the page the service worker keeps is the build's.
async function serveRecorded(dir) {
  const built = await serve(dir);
  const server = createServer(async (request, response) => {
    const answer = await fetch(new URL(request.url, built.url));
    let body = Buffer.from(await answer.arrayBuffer());
    if (new URL(request.url, built.url).pathname === "/")
      body = Buffer.from(body.toString("utf-8").replace(/<head>/i, (head) => head + RECORDER));
    response.writeHead(answer.status, { "Content-Type": answer.headers.get("content-type"), "Cache-Control": "no-store" });
    response.end(body);
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: async () => {
      await new Promise((done) => server.close(done));
      await built.close();
    },
  };
}

// A WebDriver session's one window, as a page with the calls Game makes.
class DriverPage {
  constructor(driver) {
    this.driver = driver;
    const actions = () => driver.actions({ async: true });
    this.keyboard = {
      down: (name) => actions().keyDown(key(name)).perform(),
      up: (name) => actions().keyUp(key(name)).perform(),
      press: (name) => actions().keyDown(key(name)).keyUp(key(name)).perform(),
    };
  }

  // Console messages are read back from the recorder instead.
  on() {}

  goto(url) {
    return this.driver.get(url);
  }

  evaluate(fn, arg) {
    return this.driver.executeScript(`return (${fn})(arguments[0]);`, arg);
  }

  async consoleErrors() {
    return (await this.evaluate(() => window.testConsoleErrors)) ?? ["the page's error recorder is missing"];
  }

  // The session's window stays for the next page; the game in it stops.
  close() {
    return this.driver.get("about:blank");
  }
}

function freePort() {
  const probe = createServer();
  return new Promise((done) => probe.listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => done(port));
  }));
}

// An X server on the first free display, which it names on a pipe.
async function startXvfb() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1400x1050x24", "-nolisten", "tcp"],
                     { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const display = await new Promise((done, failed) => {
    let text = "";
    xvfb.stdio[3].on("data", (chunk) => {
      text += chunk;
      if (text.includes("\n")) done(`:${text.trim()}`);
    });
    xvfb.once("exit", (code) => failed(new Error(`Xvfb ended (status ${code}) before it named a display`)));
    xvfb.once("error", failed);
  });
  return { display, stop: () => xvfb.kill() };
}

// WebKitGTK's MiniBrowser under Xvfb, driven by WebKitWebDriver; close()
// ends the session, the driver and the X server.
export async function launchWebKit({ viewport = { width: 1280, height: 900 } } = {}) {
  const binary = miniBrowser();
  const xvfb = await startXvfb();
  const port = await freePort();
  // No accessibility bus to find under Xvfb; GTK would warn of it.
  const env = { ...process.env, DISPLAY: xvfb.display, NO_AT_BRIDGE: "1" };
  const webdriver = spawn("WebKitWebDriver", [`--port=${port}`], { env, stdio: "ignore" });
  const stop = () => {
    webdriver.kill();
    xvfb.stop();
  };
  process.once("exit", stop);
  let driver;
  try {
    const server = `http://127.0.0.1:${port}`;
    for (let i = 0; ; i++) {
      if (webdriver.exitCode !== null) throw new Error(`WebKitWebDriver ended (status ${webdriver.exitCode})`);
      if (await fetch(`${server}/status`).then((r) => r.ok, () => false)) break;
      if (i > 200) throw new Error("WebKitWebDriver did not answer within 10 s");
      await sleep(50);
    }
    driver = await new Builder().usingServer(server).withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary, args: ["--automation"] },
    }).build();
    await driver.manage().window().setRect({ x: 0, y: 0, ...viewport });
  } catch (error) {
    stop();
    throw error;
  }
  const version = (await driver.getCapabilities()).get("browserVersion");
  const page = new DriverPage(driver);
  return {
    name: `WebKitGTK ${version}`,
    serve: serveRecorded,
    newPage: async () => page,
    close: async () => {
      try {
        await driver.quit();
      } finally {
        stop();
        process.removeListener("exit", stop);
      }
    },
  };
}

export const ENGINES = { firefox: launchFirefox, webkit: launchWebKit };
