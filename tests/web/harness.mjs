// Drives the browser build of the game in Debian's Chromium the way a player
// meets it: the page served over HTTP, real key presses, the canvas read back
// and judged against the game's own pictures in assets/. The facts are those
// of the desktop window tests (tools/gamewindow.py). Used by the browser
// tests (run.mjs), the benchmark (bench/web_bench.mjs) and the README picture
// (tools/web_picture.mjs).

import { createHash } from "node:crypto";
import { createServer } from "node:http";
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { extname, join, relative, resolve } from "node:path";
import { PNG } from "pngjs";
import { chromium } from "playwright-core";

export const WIDTH = 1024;
export const HEIGHT = 768;
// The room picture fills these rows; the characters stand in the first 128.
export const ROOM_TOP = 320;
export const ROOM_BOTTOM = 600;
export const FIGURE_BOTTOM = ROOM_TOP + 128;
export const ICON_AT = [450, 192];
export const CAPTION_AT = [200, 500];
export const CAPTION_COLOUR = [76, 48, 64];
export const MAGENTA = [255, 0, 255];
export const WOMAN_X = 416;
// The man's start, his reach from the left edge of his frame, his pace.
export const START_X = 822;
export const REACH = [50, 76];
export const PACE = 80;
// The icon each object shows while within reach and switched off.
export const ICONS = {
  Outlet1: "icon_power01.png", Outlet2: "icon_power01.png", Outlet3: "icon_power01.png",
  Outlet4: "icon_power01.png", Tomato: "icon_tomato01.png", Sink: "icon_sink01.png",
  Toaster: "icon_toaster01.png", Drink: "icon_drink01.png", Clock: "icon_clock01.png",
  Lamp: "icon_lamp01.png", Pills: "icon_pills01.png", LightSwitch1: "icon_light01.png",
};

export const SOURCE_DIR = resolve(new URL("../..", import.meta.url).pathname);
export const ASSETS = join(SOURCE_DIR, "assets");

export class Failure extends Error {
  constructor(message, shot = null) {
    super(message);
    this.shot = shot;
  }
}

// Says why a case failed and leaves the last picture of its canvas, if it
// took one, in BUILD_DIR/test-shots/NAME.png; said, the case is NAME as
// the label tells it.
export function reportFailure(buildDir, name, error, label = name) {
  console.log(`FAILED ${label}: ${error.message}`);
  if (!(error instanceof Failure)) console.log(error.stack);
  if (!error.shot) return;
  const dir = join(buildDir, "test-shots");
  mkdirSync(dir, { recursive: true });
  writeFileSync(join(dir, `${name}.png`), error.shot.picture.toPng());
  console.log(`  last picture of the canvas: ${join(dir, `${name}.png`)}`);
}

export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// ---------------------------------------------------------------- pictures

// An RGB(A) picture: width, height and 4 bytes a pixel.
export class Picture {
  constructor(width, height, data) {
    this.width = width;
    this.height = height;
    this.data = data;
  }

  static fromPng(buffer) {
    const png = PNG.sync.read(buffer);
    return new Picture(png.width, png.height, png.data);
  }

  toPng() {
    const png = new PNG({ width: this.width, height: this.height });
    this.data.copy(png.data);
    return PNG.sync.write(png);
  }

  at(x, y) {
    const i = 4 * (y * this.width + x);
    return [this.data[i], this.data[i + 1], this.data[i + 2], this.data[i + 3]];
  }

  crop(x0, y0, x1, y1) {
    const w = x1 - x0;
    const out = Buffer.alloc(4 * w * (y1 - y0));
    for (let y = y0; y < y1; y++)
      this.data.copy(out, 4 * w * (y - y0), 4 * (y * this.width + x0), 4 * (y * this.width + x1));
    return new Picture(w, y1 - y0, out);
  }

  // Doubled pixel for pixel, as the game draws every picture.
  doubled() {
    const w = this.width * 2;
    const out = Buffer.alloc(4 * w * this.height * 2);
    for (let y = 0; y < this.height * 2; y++)
      for (let x = 0; x < w; x++)
        this.data.copy(out, 4 * (y * w + x), 4 * ((y >> 1) * this.width + (x >> 1)),
                       4 * ((y >> 1) * this.width + (x >> 1)) + 4);
    return new Picture(w, this.height * 2, out);
  }
}

const same = (data, i, colour) =>
  data[i] === colour[0] && data[i + 1] === colour[1] && data[i + 2] === colour[2];

// Share of the pixels in which two pictures of one size agree exactly (RGB).
export function shareEqual(a, b) {
  let equal = 0;
  for (let i = 0; i < a.data.length; i += 4)
    if (a.data[i] === b.data[i] && a.data[i + 1] === b.data[i + 1] && a.data[i + 2] === b.data[i + 2])
      equal++;
  return equal / (a.width * a.height);
}

export function countColour(picture, colour, tolerance = 0) {
  let n = 0;
  const d = picture.data;
  for (let i = 0; i < d.length; i += 4)
    if (Math.abs(d[i] - colour[0]) <= tolerance && Math.abs(d[i + 1] - colour[1]) <= tolerance &&
        Math.abs(d[i + 2] - colour[2]) <= tolerance)
      n++;
  return n;
}

// Bounding box [x0, y0, x1, y1) of the pixels at whose index (into RGBA
// bytes) hit() is true, or null.
function boxOf(width, height, hit) {
  let box = null;
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++) {
      if (!hit(4 * (y * width + x))) continue;
      if (box === null) box = [x, y, x + 1, y + 1];
      box[0] = Math.min(box[0], x);
      box[1] = Math.min(box[1], y);
      box[2] = Math.max(box[2], x + 1);
      box[3] = Math.max(box[3], y + 1);
    }
  return box;
}

// Bounding box [x0, y0, x1, y1) of the pixels of exactly these colours, or null.
export function coloursBox(picture, colours) {
  const keys = new Set(colours.map((c) => (c[0] << 16) | (c[1] << 8) | c[2]));
  const d = picture.data;
  return boxOf(picture.width, picture.height, (i) => keys.has((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]));
}

// Bounding box of the pixels in which two pictures of one size differ, or null.
function differenceBox(a, b) {
  return boxOf(a.width, a.height,
               (i) => a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2]);
}

// The game's pictures as it draws them: doubled, magenta transparent.
export class Pictures {
  constructor(assets = ASSETS) {
    this.assets = assets;
    this.cache = new Map();
    this.marks = null;
  }

  load(name) {
    if (!this.cache.has(name))
      this.cache.set(name, Picture.fromPng(readFileSync(join(this.assets, name))).doubled());
    return this.cache.get(name);
  }

  room(room, dark = false) {
    return this.load(`environment_${room}${dark ? "_dark" : ""}.png`);
  }

  // Colours that only the man wears, and how far the first column showing
  // them lies from the left edge of his standing frame: found on the
  // screen, they are him, whatever else is drawn.
  manMarks() {
    if (this.marks === null) {
      const sheet = "animations/character_all.png";
      const elsewhere = new Set();
      const walk = (dir) => {
        for (const entry of readdirSync(dir)) {
          const path = join(dir, entry);
          if (statSync(path).isDirectory()) {
            walk(path);
          } else if (entry.endsWith(".png") && relative(this.assets, path) !== sheet) {
            const p = Picture.fromPng(readFileSync(path));
            for (let i = 0; i < p.data.length; i += 4)
              elsewhere.add((p.data[i] << 16) | (p.data[i + 1] << 8) | p.data[i + 2]);
          }
        }
      };
      walk(this.assets);
      const standing = this.load(sheet).crop(0, 0, 128, 128);
      const counts = new Map();
      for (let i = 0; i < standing.data.length; i += 4) {
        const key = (standing.data[i] << 16) | (standing.data[i + 1] << 8) | standing.data[i + 2];
        counts.set(key, (counts.get(key) || 0) + 1);
      }
      const magenta = (255 << 16) | 255;
      const marks = [...counts].filter(([key, n]) => !elsewhere.has(key) && key !== magenta && n >= 64)
        .map(([key]) => [key >> 16, (key >> 8) & 255, key & 255]);
      this.marks = { marks, offset: coloursBox(standing, marks)[0] };
    }
    return this.marks;
  }
}

// One picture of the canvas, with the questions the checks ask.
export class Screen {
  constructor(picture, pictures) {
    this.picture = picture;
    this.pictures = pictures;
  }

  roomArea() {
    return this.picture.crop(0, ROOM_TOP, WIDTH, ROOM_BOTTOM);
  }

  roomShare(room, dark = false) {
    return shareEqual(this.roomArea(), this.pictures.room(room, dark));
  }

  // The characters and the switched-on pictures cover the rest.
  showsRoom(room, dark = false) {
    return this.roomShare(room, dark) > 0.75;
  }

  magentaPixels() {
    return countColour(this.picture, MAGENTA, 8);
  }

  // Box of whatever stands in front of the room picture between x0 and x1
  // in the characters' rows, in canvas coordinates, or null.
  figureBox(room, dark, x0, x1) {
    const shown = this.picture.crop(x0, ROOM_TOP, x1, FIGURE_BOTTOM);
    const plain = this.pictures.room(room, dark).crop(x0, 0, x1, FIGURE_BOTTOM - ROOM_TOP);
    const box = differenceBox(shown, plain);
    return box && [box[0] + x0, box[1] + ROOM_TOP, box[2] + x0, box[3] + ROOM_TOP];
  }

  // Where the left edge of the man's frame stands, or null when he is not
  // to be seen.
  manX() {
    const { marks, offset } = this.pictures.manMarks();
    const box = coloursBox(this.picture.crop(0, ROOM_TOP, WIDTH, FIGURE_BOTTOM), marks);
    return box === null ? null : box[0] - offset;
  }

  showsWoman(dark = false) {
    const box = this.figureBox("b", dark, WOMAN_X, WOMAN_X + 128);
    // A body, not a stray pixel: she stands most of a frame tall.
    return box !== null && box[3] - box[1] > 64;
  }

  // Whether the icon of the thing within reach is this one (compared where
  // the icon is opaque).
  showsIcon(name) {
    const icon = this.pictures.load(name);
    const [x, y] = ICON_AT;
    const shown = this.picture.crop(x, y, x + icon.width, y + icon.height);
    let opaque = 0;
    let equal = 0;
    for (let i = 0; i < icon.data.length; i += 4) {
      if (same(icon.data, i, MAGENTA))
        continue;
      opaque++;
      if (same(shown.data, i, [icon.data[i], icon.data[i + 1], icon.data[i + 2]]))
        equal++;
    }
    return opaque > 0 && equal / opaque > 0.97;
  }

  // Box of the caption-coloured pixels below the icons, or null.
  captionBox() {
    const top = ICON_AT[1] + 64;
    const box = coloursBox(this.picture.crop(0, top, WIDTH, HEIGHT), [CAPTION_COLOUR]);
    return box && [box[0], box[1] + top, box[2], box[3] + top];
  }

  captionPixels() {
    return countColour(this.picture.crop(0, ICON_AT[1] + 64, WIDTH, HEIGHT), CAPTION_COLOUR);
  }
}

// The translations po/LANGUAGE.po gives, as the build compiles them:
// { English: translation }, with no header, fuzzy or untranslated entries.
export function catalogue(language) {
  const words = {};
  const text = readFileSync(join(SOURCE_DIR, "po", `${language}.po`), "utf-8");
  for (const entry of text.split(/\n\s*\n/)) {
    const field = (name) => new RegExp(`^${name} (".*"(?:\\n".*")*)`, "m").exec(entry)?.[1]
      .split("\n").map((line) => JSON.parse(line)).join("") ?? "";
    const [english, translated] = [field("msgid"), field("msgstr")];
    if (english && translated && !/^#,.*\bfuzzy\b/m.test(entry)) words[english] = translated;
  }
  return words;
}

// The object file's records: name -> [start, end, room].
export function objects() {
  const text = readFileSync(join(ASSETS, "Objects.txt"), "utf-8").replace(/^\uFEFF/, "");
  const tokens = text.split(/\s+/).filter(Boolean);
  const found = {};
  for (let i = 0; i + 4 < tokens.length; i += 5) {
    const [start, end, name, room, terminator] = tokens.slice(i, i + 5);
    if (!(name in found)) found[name] = [Number(start), Number(end), room === "a" ? "a" : "b"];
    if (terminator === "#eof") break;
  }
  return found;
}

// ------------------------------------------------------------- the server

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".data": "application/octet-stream", ".png": "image/png",
};

// The built page from dir on a port of its own on localhost, counting the
// GETs of each file. It forbids keeping anything (no-store), or with etag
// gives each file an ETag and answers a request that names it with 304.
export async function serve(dir, { etag = false } = {}) {
  const root = resolve(dir);
  const gets = new Map();
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const name = path === "/" ? "/index.html" : path;
    if (request.method === "GET") gets.set(name, (gets.get(name) || 0) + 1);
    const file = resolve(root, "." + name);
    let body;
    try {
      if (!file.startsWith(root + "/")) throw new Error("outside");
      body = readFileSync(file);
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" });
      response.end("not found");
      return;
    }
    const tag = `"${createHash("sha256").update(body).digest("hex").slice(0, 16)}"`;
    if (etag && request.headers["if-none-match"] === tag) {
      response.writeHead(304, { ETag: tag });
      response.end();
      return;
    }
    response.writeHead(200, {
      "Content-Type": TYPES[extname(file)] || "application/octet-stream",
      ...(etag ? { ETag: tag } : { "Cache-Control": "no-store" }),
    });
    response.end(body);
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    gets,
    close: () => new Promise((done) => server.close(done)),
  };
}

// ------------------------------------------------------------- the browser

// Debian's Chromium, headless, offline: no sandbox (it runs as root in CI),
// and none of its own calls home, which on a closed network only fill the
// log with refused connections.
export const CHROMIUM = process.env.FLATMATES_CHROMIUM || "/usr/bin/chromium";
const CHROMIUM_ARGS = [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

// A phone in landscape, touch only, as Chromium emulates one.
export const PHONE = { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true, deviceScaleFactor: 3 };

// A browser with a fresh profile of its own; close() removes it again.
// The page's service worker is kept out unless asked for: it would answer
// later pages from its cache, past the routes a case sets up.
export async function launch({ viewport = { width: 1280, height: 900 }, hasTouch = false, isMobile = false,
                               deviceScaleFactor = 1, serviceWorkers = "block" } = {}) {
  const profile = mkdtempSync(join(tmpdir(), "flatmates-chromium-"));
  let context;
  try {
    context = await chromium.launchPersistentContext(profile, {
      executablePath: CHROMIUM,
      headless: true,
      args: CHROMIUM_ARGS,
      viewport,
      hasTouch,
      isMobile,
      deviceScaleFactor,
      serviceWorkers,
      // The page speaks the browser's language: English, whatever this
      // machine's, unless a case asks for another by the address.
      locale: "en-US",
    });
  } catch (error) {
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
  return {
    context,
    profile,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// ---------------------------------------------------------------- the game

// The game's page in a browser tab, seen through its canvas.
export class Game {
  constructor(page, pictures = new Pictures()) {
    this.page = page;
    this.pictures = pictures;
    this.last = null;
    this.consoleErrors = [];
    page.on("console", (message) => {
      if (message.type() === "error") this.consoleErrors.push(message.text());
    });
    page.on("pageerror", (error) => this.consoleErrors.push(String(error)));
  }

  static async open(context, url, { prepare } = {}) {
    const page = await context.newPage();
    const game = new Game(page);
    if (prepare) await prepare(page);
    await page.goto(url);
    return game;
  }

  state() {
    return this.page.evaluate(() => document.body.dataset.state);
  }

  message() {
    return this.page.evaluate(() => {
      const box = document.getElementById("message");
      return box.hidden ? "" : box.innerText;
    });
  }

  stats() {
    return this.page.evaluate(() => ({ ...window.flatmates }));
  }

  // Polls until holds() gives a true value; a slow machine only makes this
  // take longer.
  async until(what, holds, timeout = 30000) {
    const deadline = Date.now() + timeout;
    for (;;) {
      const value = await holds();
      if (value) return value;
      if (Date.now() > deadline) throw new Failure(`no ${what} within ${timeout / 1000} s`, this.last);
      await sleep(50);
    }
  }

  async waitState(wanted, timeout = 60000) {
    await this.until(`page state "${wanted}"`, async () => (await this.state()) === wanted, timeout);
  }

  // Ready, then a key press starts the game, which draws its first frame.
  async start(key = "Shift") {
    await this.waitState("ready");
    await this.page.keyboard.press(key);
    await this.until("first frame", async () => (await this.stats()).frames > 0);
  }

  // The canvas as the game drew it, pixel for pixel.
  async shot() {
    const url = await this.page.evaluate(() => document.getElementById("canvas").toDataURL("image/png"));
    const picture = Picture.fromPng(Buffer.from(url.slice(url.indexOf(",") + 1), "base64"));
    if (picture.width !== WIDTH || picture.height !== HEIGHT)
      throw new Failure(`the canvas is ${picture.width}x${picture.height}, not ${WIDTH}x${HEIGHT}`);
    this.last = new Screen(picture, this.pictures);
    return this.last;
  }

  async waitFor(what, holds, timeout = 30000) {
    const deadline = Date.now() + timeout;
    for (;;) {
      const screen = await this.shot();
      if (holds(screen)) return screen;
      if (Date.now() > deadline) throw new Failure(`no ${what} within ${timeout / 1000} s`, screen);
      await sleep(50);
    }
  }

  // Until two pictures in a row show the man standing still.
  async settle(timeout = 20000) {
    let before = (await this.shot()).picture.crop(0, ROOM_TOP, WIDTH, FIGURE_BOTTOM);
    const deadline = Date.now() + timeout;
    for (;;) {
      await sleep(200);
      const now = await this.shot();
      const area = now.picture.crop(0, ROOM_TOP, WIDTH, FIGURE_BOTTOM);
      // A walking man changes thousands of pixels; the woman's blink a handful.
      if (shareEqual(before, area) > 0.995) return now;
      if (Date.now() > deadline) throw new Failure(`the picture did not come to rest within ${timeout / 1000} s`, now);
      before = area;
    }
  }

  async hold(key, ms) {
    await this.page.keyboard.down(key);
    try {
      await sleep(ms);
    } finally {
      await this.page.keyboard.up(key);
    }
  }

  // Walks the man until the named object is within his reach, as its icon
  // shows. He walks at a known pace, so the arrow (or with fingers, the
  // walking control) is held for as long as the distance takes; a loaded
  // machine only makes him stop off the mark, and the next try starts from
  // where he stands.
  async walkTo(name, fingers = null, tries = 15) {
    const [start, end] = objects()[name];
    const target = (start - REACH[1] + (end - REACH[0])) / 2;
    for (let i = 0; i < tries; i++) {
      const screen = await this.settle();
      if (screen.showsIcon(ICONS[name])) return screen;
      const x = screen.manX();
      if (x === null) throw new Failure("the man is not to be seen", screen);
      const ms = Math.max((Math.abs(target - x) / PACE) * 1000, 50);
      if (fingers)
        await fingers.hold(target > x ? "walk-right" : "walk-left", ms);
      else
        await this.hold(target > x ? "ArrowRight" : "ArrowLeft", ms);
    }
    throw new Failure(`${name} not within reach after ${tries} tries`, this.last);
  }
}

// Fingers on the page's touch controls, through Chromium's own touch input,
// so the page gets the touches and pointers a phone would give it. Each
// finger stays on the control it was put on until it is lifted.
export class Fingers {
  constructor(page) {
    this.page = page;
    this.cdp = null;
    this.down = new Map();
    this.next = 1;
  }

  async centre(id) {
    return this.page.evaluate((control) => {
      const box = document.getElementById(control).getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2];
    }, id);
  }

  // Chromium takes the fingers still down with a start, and the fingers
  // lifted with an end.
  async touch(type, touchPoints) {
    this.cdp ??= await this.page.context().newCDPSession(this.page);
    await this.cdp.send("Input.dispatchTouchEvent", { type, touchPoints });
  }

  async press(id) {
    const [x, y] = await this.centre(id);
    this.down.set(id, { x, y, id: this.next++ });
    await this.touch("touchStart", [...this.down.values()]);
  }

  async lift(id) {
    const point = this.down.get(id);
    this.down.delete(id);
    await this.touch("touchEnd", [point]);
  }

  async tap(id) {
    await this.press(id);
    await sleep(80);
    await this.lift(id);
  }

  async hold(id, ms) {
    await this.press(id);
    try {
      await sleep(ms);
    } finally {
      await this.lift(id);
    }
  }
}
