// The game in a real browser: the browser build served over HTTP to
// Debian's Chromium, played with real key presses, judged from pictures of
// its canvas. Run by make test-web.
//
// usage: node tests/web/run.mjs BUILD_DIR [CASE...]

import { readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";
import {
  CAPTION_AT, CAPTION_COLOUR, Failure, Fingers, Game, HEIGHT, PACE, PHONE, Picture, ROOM_BOTTOM, ROOM_TOP, SOURCE_DIR,
  START_X, WIDTH, catalogue, coloursBox, launch, reportFailure, serve, shareEqual, sleep,
} from "./harness.mjs";
import { offline } from "./offline.mjs";

function expect(condition, message, screen = null) {
  if (!condition) throw new Failure(message, screen);
}

async function roomADrawn(game) {
  const screen = await game.waitFor("kitchen (room a) on the canvas", (s) => s.showsRoom("a"));
  expect(screen.magentaPixels() === 0,
         `${screen.magentaPixels()} magenta pixels show: a picture lost its transparency`, screen);
  return screen;
}

async function noScroll(game) {
  const scrolled = await game.page.evaluate(() => [window.scrollX, window.scrollY,
    document.scrollingElement.scrollHeight - window.innerHeight]);
  expect(scrolled[0] === 0 && scrolled[1] === 0, `the page scrolled to ${scrolled[0]}, ${scrolled[1]}`);
  expect(scrolled[2] <= 0, `the page is ${scrolled[2]} px taller than the window`);
}

// The lines the voice was given (not the blank that wakes it), and the live region's.
const heard = (game) => game.page.evaluate(() => ({
  spoken: (window.spoken ?? []).filter(([line]) => line.trim()), said: document.getElementById("said").innerText }));

// Played as a player meets it: the start message, the first Tab on Play with
// speech, Enter on it; the kitchen doubled pixel for pixel, the man at his
// start, walking at his pace, the voice alone saying the lines; T turns it off.
async function lookAndWalk(game) {
  await game.waitState("ready");
  const message = await game.message();
  expect(/Press any key to start/.test(message), `the page says "${message}" before the start`);
  expect(/sound/i.test(message), "the page does not say that the sound starts with the first key");
  await game.page.keyboard.press("Tab");
  const first = await game.page.evaluate(() => [document.activeElement.innerText.slice(0, 60), canvas.role, canvas.ariaLabel]);
  expect(/^Play with speech,application,Flatmates\..*arrows walk.*T speech/.test(first), `Tab, canvas: ${first}`);

  await game.start("Enter");
  const focused = await game.page.evaluate(() => document.activeElement && document.activeElement.id);
  expect(focused === "canvas", `the keyboard goes to "${focused}", not to the canvas`);
  // The first key starts the sound: the page's audio running, the music on.
  await game.until("the music playing after the first key", () => game.page.evaluate(() =>
    SDL.audioContext && SDL.audioContext.state === "running" && SDL.music.audio && !SDL.music.audio.paused));
  const screen = await roomADrawn(game);
  expect(screen.roomShare("a") > 0.85, `only ${screen.roomShare("a").toFixed(3)} of the room band matches environment_a.png doubled`, screen);
  expect(await game.message() === "", "a message still covers the game after the start");
  const standing = await game.settle();
  const start = standing.manX();
  expect(start === START_X, `the man stands at ${start}, not at his start point ${START_X}`);
  // Left of him nothing covers the kitchen: there it is the picture doubled
  // pixel for pixel, no smoothing, to the last pixel.
  const bare = shareEqual(standing.picture.crop(0, ROOM_TOP, start, ROOM_BOTTOM),
                          standing.pictures.room("a").crop(0, 0, start, ROOM_BOTTOM - ROOM_TOP));
  expect(bare === 1, `only ${bare.toFixed(4)} of the bare kitchen matches environment_a.png doubled`, standing);

  const { spoken, said } = await heard(game);
  expect(/^Flatmates, in the kitchen/.test(spoken[0]?.[0]) && spoken[0][1] === 1 && spoken[0][2] === "en" && said === "",
         `with speech on the voice said ${JSON.stringify(spoken)}, the live region "${said}"`);
  await expectPace(game, start, () => game.page.keyboard.down("ArrowLeft"), () => game.page.keyboard.up("ArrowLeft"));

  const stopped = (await game.settle()).manX();
  await game.page.keyboard.down("ArrowRight");
  try {
    await game.waitFor("the man walking back right", (s) => (s.manX() ?? 0) >= stopped + 60);
  } finally {
    await game.page.keyboard.up("ArrowRight");
  }
  await noScroll(game);
  await game.page.keyboard.press("t");
  await game.until("Speech off in the live region", async () => /Speech off/.test((await heard(game)).said));
}

// Held (press() to release()), left walks him on from start at his pace;
// the times are taken around each picture, so a slow machine widens them,
// not the pace.
async function expectPace(game, start, press, release) {
  await press();
  const samples = [];
  try {
    await game.waitFor("the man 160 px left of his start", (s) => {
      const x = s.manX();
      if (x !== null && x < start) samples.push([Date.now(), x]);
      return x !== null && x <= start - 160;
    });
    samples[samples.length - 1][0] = Date.now();
  } finally {
    await release();
  }
  const [t0, x0] = samples[0];
  const [t1, x1] = samples[samples.length - 1];
  const pace = ((x0 - x1) * 1000) / (t1 - t0);
  expect(Math.abs(pace - PACE) <= PACE * 0.2, `he walks at ${pace.toFixed(1)} px/s, not about ${PACE}`);
}

// Space at an object, the passage into the living room, the light switch.
async function tour(game) {
  await game.start();
  await roomADrawn(game);
  let screen = await game.walkTo("Tomato");
  expect(screen.captionPixels() === 0, "caption colour on the canvas before any use", screen);

  // A use is the press and the release of Space in a row; the mouse moving
  // and clicking over the canvas in between does not undo it, as the game
  // takes no mouse events.
  await game.page.keyboard.down("Space");
  await sleep(100);
  for (let i = 0; i < 6; i++) {
    await game.page.mouse.move(300 + 80 * i, 250 + 40 * i, { steps: 4 });
    if (i % 2 === 0) await game.page.mouse.click(300 + 80 * i, 250 + 40 * i);
  }
  await sleep(100);
  await game.page.keyboard.up("Space");
  screen = await game.waitFor("a caption", (s) => s.captionPixels() > 50, 20000);
  const box = screen.captionBox();
  expect(Math.abs(box[0] - CAPTION_AT[0]) <= 12 && Math.abs(box[1] - CAPTION_AT[1]) <= 12,
         `caption in ${CAPTION_COLOUR} at ${box.slice(0, 2)}, not near ${CAPTION_AT}`, screen);
  const fontReady = await game.page.evaluate(() => document.fonts.check('24px "assets/fonts/arial.ttf"'));
  expect(fontReady, "the captions' font, the game's own file, is not loaded in the page");
  // Screen readers hear what was within reach and the caption.
  const { said, spoken } = await heard(game);
  expect(/the tomato/.test(said) && /A tomato, nothing more/.test(said), `the page's live region holds "${said}"`);
  expect(spoken.length === 0, `with speech off the voice said ${JSON.stringify(spoken)}`);

  // Out through the kitchen's hallway at its left end into the living room.
  await game.page.keyboard.down("ArrowLeft");
  try {
    await game.waitFor("the living room (room b)", (s) => s.showsRoom("b"), 90000);
  } finally {
    await game.page.keyboard.up("ArrowLeft");
  }
  screen = await game.waitFor("the woman in the living room", (s) => s.showsWoman());
  expect(screen.magentaPixels() === 0, "magenta shows in the living room", screen);

  await game.walkTo("LightSwitch1");
  await game.page.keyboard.press("Space");
  screen = await game.waitFor("the living room dark", (s) => s.showsRoom("b", true));
  expect(screen.showsWoman(true), "the woman is gone in the dark", screen);
  expect(screen.magentaPixels() === 0, "magenta shows in the dark", screen);
  await noScroll(game);
}

// Played in Japanese by the address's choice: the page's words and the
// game's in po/ja.po's, the caption drawn in the packed Japanese font's own
// letters (as the font draws its text where the game puts it, pixel for
// pixel, not in boxes or some font of the browser's), the live region and
// then the voice told the line is Japanese.
async function inJapanese(game) {
  const ja = catalogue("ja");
  const caption = ja["* A tomato, nothing more. *"];
  expect(caption, "po/ja.po does not translate the tomato's caption");
  await game.waitState("ready");
  const message = await game.message();
  const lang = await game.page.evaluate(() => document.documentElement.lang);
  expect(lang === "ja" && message.includes(ja["Press any key to start"] ?? "Press any key to start"),
         `the page in "${lang}" says "${message}"`);
  await game.start();
  await roomADrawn(game);
  await game.walkTo("Tomato");
  await game.page.keyboard.press("Space");
  const screen = await game.waitFor("a caption", (s) => s.captionPixels() > 50, 20000);
  const fonts = join(SOURCE_DIR, "assets/fonts");
  const font = readFileSync(join(fonts, readdirSync(fonts).find((name) => /^japanese\.[ot]tf$/.test(name)))).toString("base64");
  const url = await game.page.evaluate(async ([text, bytes, colour]) => {
    const face = await new FontFace("reference", Uint8Array.from(atob(bytes), (c) => c.charCodeAt(0))).load();
    document.fonts.add(face);
    const drawn = document.createElement("canvas");
    const context = drawn.getContext("2d");
    context.font = '24px "reference"';
    [drawn.width, drawn.height] = [context.measureText(text).width | 0, 24];
    context.fillStyle = "white";
    context.fillRect(0, 0, drawn.width, drawn.height);
    Object.assign(context, { font: '24px "reference"', textBaseline: "bottom", fillStyle: `rgb(${colour})` });
    context.fillText(text, 0, 24);
    return drawn.toDataURL("image/png");
  }, [caption, font, CAPTION_COLOUR]);
  const reference = Picture.fromPng(Buffer.from(url.slice(url.indexOf(",") + 1), "base64"));
  // The wholly inked pixels of each (in the caption's colour itself): how
  // many are inked in both, of those inked in either, laid over one another
  // where they agree best.
  const ink = (picture, [x0, y0, x1, y1]) => {
    const found = [];
    for (let y = y0; y < y1; y++)
      for (let x = x0; x < x1; x++)
        if (CAPTION_COLOUR.every((value, i) => value === picture.at(x, y)[i])) found.push([x - x0, y - y0]);
    return found;
  };
  const box = screen.captionBox();
  const [shown, drawn] = [ink(screen.picture, box), ink(reference, coloursBox(reference, [CAPTION_COLOUR]))];
  const inked = new Set(shown.map(([x, y]) => `${x},${y}`));
  let alike = 0;
  for (let dx = -3; dx <= 3; dx++)
    for (let dy = -3; dy <= 3; dy++) {
      const both = drawn.filter(([x, y]) => inked.has(`${x + dx},${y + dy}`)).length;
      alike = Math.max(alike, both / (shown.length + drawn.length - both));
    }
  expect(alike > 0.9, `the caption at ${box} is not "${caption}" in the Japanese font (${alike.toFixed(3)} alike)`, screen);
  const region = await game.page.evaluate(() => [said.innerText, said.lang]);
  expect(region[0].includes(caption) && region[1] === "ja", `the live region in "${region[1]}" holds "${region[0]}"`);
  await game.page.keyboard.press("t");
  await game.until("a line in Japanese from the voice", async () => (await heard(game)).spoken.at(-1)?.[2] === "ja");
}

// Said by the voice alone with speech on, else by the live region alone.
async function visitOver(game, withSpeech = false) {
  await game.until("the end of the visit on the page", async () => (await game.state()) === "over", 60000);
  const { spoken, said } = await heard(game);
  expect(withSpeech ? spoken.at(-1)?.[0] === "The visit is over." && said === ""
                    : spoken.length === 0 && said.endsWith("The visit is over."),
         `at the end the voice said ${JSON.stringify(spoken.slice(-2))}, the live region "${said}"`);
  const message = await game.message();
  expect(/visit is over/i.test(message) && /reload/i.test(message),
         `the page says "${message}" at the end, not that the visit is over and how to come again`);
  // The frame loop has stopped: no frames are drawn any more.
  const before = (await game.stats()).frames;
  await sleep(500);
  const after = (await game.stats()).frames;
  expect(after <= before + 1, `the game still draws frames after the end (${after - before} in 0.5 s)`);
}

// Started by a click on Play with speech.
async function escape(game) {
  await game.waitState("ready");
  await game.page.getByRole("button", { name: "Play with speech" }).click();
  await roomADrawn(game);
  await game.page.keyboard.press("Escape");
  await visitOver(game, true);
  expect(await game.page.evaluate(() => !SDL.music.audio), "the music plays on after the visit is over");
}

// The play-time limit: the page's clock runs fifty times fast, so the 300
// seconds pass in six.
async function timeLimit(game) {
  await game.start();
  await roomADrawn(game);
  await visitOver(game);
}

async function speedUpClock(page) {
  await page.addInitScript(() => {
    const now = performance.now.bind(performance);
    performance.now = () => now() * 50;
  });
}

// In a small window the whole canvas shows, in its own shape, pixels sharp.
async function smallWindow(game) {
  await game.page.setViewportSize({ width: 700, height: 420 });
  await game.start();
  await roomADrawn(game);
  const fit = await game.page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const box = canvas.getBoundingClientRect();
    return { left: box.left, top: box.top, width: box.width, height: box.height,
             innerWidth: window.innerWidth, innerHeight: window.innerHeight,
             rendering: getComputedStyle(canvas).imageRendering };
  });
  expect(fit.left >= 0 && fit.top >= 0 && fit.left + fit.width <= fit.innerWidth + 0.5 &&
         fit.top + fit.height <= fit.innerHeight + 0.5,
         `the canvas (${fit.width}x${fit.height} at ${fit.left},${fit.top}) does not fit the ${fit.innerWidth}x${fit.innerHeight} window`);
  expect(Math.abs(fit.width / fit.height - WIDTH / HEIGHT) < 0.01,
         `the canvas shows as ${fit.width}x${fit.height}, not in the game's 4:3 shape`);
  expect(fit.height >= fit.innerHeight - 1, "the canvas does not use the window's height");
  expect(fit.rendering === "pixelated", `the canvas is scaled with "${fit.rendering}", not pixelated`);
  await game.page.keyboard.press("Space");
  await game.page.keyboard.press("ArrowDown");
  await noScroll(game);
}

// ------------------------------------------------- phones, pads, the page

// Touch alone, on a phone in landscape: a tap starts; the walking control
// walks him at his pace; the use control uses, let go while another finger
// walks; pause and sound; the controls keep clear at every size; nothing
// scrolls or zooms.
async function phone(game) {
  await game.waitState("ready");
  const words = (await game.message()) + (await game.page.evaluate(() => document.getElementById("help").innerText));
  expect(/Tap to start/.test(words) && /hold/.test(words), `the phone's page says "${words}", not how to play by touch`);
  await game.page.touchscreen.tap(422, 60);
  await roomADrawn(game);
  const woken = await game.page.evaluate(() => window.soundResumedIn);
  expect(woken.includes("touchend"), `the sound is woken in ${woken.join(", ") || "no event"}, not as the tap ends`);
  await controlsKeepClear(game);

  const fingers = new Fingers(game.page);
  const start = (await game.settle()).manX();
  await expectPace(game, start, () => fingers.press("walk-left"), () => fingers.lift("walk-left"));
  await game.walkTo("Tomato", fingers);
  await fingers.press("use");
  await fingers.press("walk-left");
  await fingers.lift("use");
  await game.waitFor("a caption", (s) => s.captionPixels() > 50, 20000);
  await fingers.lift("walk-left");
  // Pause and sound by touch: play time stands, the music goes quiet.
  await fingers.tap("pause");
  const paused = await game.page.evaluate(() => window.flatmates.playTime());
  await fingers.tap("sound");
  await game.until("the sound off", () => game.page.evaluate(() => SDL.music.volume === 0));
  expect(await game.page.evaluate(() => window.flatmates.playTime()) === paused, "play time passes while paused");
  const scale = await game.page.evaluate(() => window.visualViewport.scale);
  expect(scale === 1, `the page is zoomed to ${scale}`);
  await noScroll(game);
}

// Phones and tablets held upright and sideways: at each size no control
// lies over the room (the picture's top 600 rows) or on another, none is
// off the screen or narrower than a fingertip.
const SCREENS = [[844, 390], [390, 844], [360, 740], [740, 360], [320, 568], [568, 320], [412, 915], [915, 412],
                 [768, 1024], [1024, 768], [820, 1180], [1180, 820]];

async function controlsKeepClear(game) {
  const wrong = [];
  for (const [width, height] of SCREENS) {
    await game.page.setViewportSize({ width, height });
    const faults = await game.page.evaluate(async (roomShare) => {
      await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
      const picture = document.getElementById("canvas").getBoundingClientRect();
      const room = { ...picture.toJSON(), bottom: picture.top + picture.height * roomShare };
      const boxes = [...document.querySelectorAll(".control")].map((c) => [c.id, c.getBoundingClientRect()]);
      const apart = (a, b) => a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      return boxes.flatMap(([id, box], i) => [
        box.width < 40 && `${id} ${box.width} px wide`,
        (box.left < 0 || box.top < 0 || box.right > innerWidth || box.bottom > innerHeight) && `${id} off the screen`,
        !apart(box, room) && `${id} over the room`,
        ...boxes.slice(i + 1).map(([other, next]) => !apart(box, next) && `${id} on ${other}`),
      ].filter(Boolean));
    }, ROOM_BOTTOM / HEIGHT);
    if (faults.length) wrong.push(`${width}x${height}: ${faults.join(", ")}`);
  }
  await game.page.setViewportSize(PHONE.viewport);
  expect(wrong.length === 0, `the controls at ${wrong.join("; ")}`);
}

// A pad connected after the start walks him; gone, it lets go, and a
// second pad, connected all along, takes over.
async function padLater(game) {
  await game.start();
  await roomADrawn(game);
  const start = (await game.settle()).manX();
  await game.page.evaluate(() => {
    const pad = (index) => ({ index, id: `pad ${index}`, connected: true, mapping: "standard", axes: [0, 0, 0, 0],
                              buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) });
    const pads = [pad(0), pad(1)];
    navigator.getGamepads = () => pads.map((p) => (p.connected ? p : null));
    window.testPads = pads;
    for (const p of pads)
      window.dispatchEvent(Object.assign(new Event("gamepadconnected"), { gamepad: p }));
    pads[0].buttons[14].pressed = true; // the d-pad's left
  });
  await game.waitFor("the man walking left on the first pad", (s) => (s.manX() ?? start) <= start - 60);
  await game.page.evaluate(() => {
    const gone = window.testPads[0];
    gone.connected = false;
    window.dispatchEvent(Object.assign(new Event("gamepaddisconnected"), { gamepad: gone }));
  });
  const stopped = (await game.settle()).manX();
  await game.page.evaluate(() => { window.testPads[1].buttons[15].pressed = true; }); // right
  await game.waitFor("the man walking right on the second pad", (s) => (s.manX() ?? 0) >= stopped + 60);
}

// The sound turned off stays off after a reload; keys chosen in the kept
// settings arrive as the keys they name: the keypad's 5 turns the sound on,
// Return at the tomato uses; "-" (Chrome's number is not SDL's) turns it down.
// Speech kept on at the fastest pace speaks every line at it; French kept
// as the language wins over the browser's English.
async function settingsKept(game) {
  await game.start();
  await roomADrawn(game);
  await game.page.keyboard.press("m");
  await game.until("the sound off", () => game.page.evaluate(() => SDL.music.volume === 0));
  await game.page.evaluate(() => {
    const kept = Object.keys(localStorage).find((key) => /^flatmates:\/.*\/settings\.ini$/.test(key));
    localStorage.setItem(kept, localStorage.getItem(kept) + "key.use=return\nkey.mute=[5]\nspeech=1\nspeech_rate=5\nlanguage=fr\n");
  });
  await game.page.reload();
  await game.start();
  await roomADrawn(game);
  expect(await game.page.evaluate(() => SDL.music.volume === 0), "the sound is on again after a reload");
  const volume = () => game.page.evaluate(() => SDL.music.volume);
  await game.page.keyboard.press("Numpad5");
  const on = await game.until("the sound on by the keypad's 5", volume);
  await game.page.keyboard.press("Minus");
  await game.until("the sound turned down by -", async () => (await volume()) < on);
  await game.walkTo("Tomato");
  await game.page.keyboard.press("Enter");
  await game.waitFor("a caption on Return", (s) => s.captionPixels() > 50, 20000);
  const paces = (await heard(game)).spoken.map(([, rate, lang]) => `${rate.toFixed(2)} ${lang}`);
  expect(paces.length > 0 && paces.every((pace) => pace === "1.70 fr"), `speech_rate=5, language=fr spoke at ${paces}`);
}

// While the page is hidden, no play time passes, he walks no further and
// the music waits; shown again, play goes on. The use control held over the
// hiding, with no frames run while hidden, uses nothing on the return.
async function hiddenPauses(game) {
  await game.start();
  await roomADrawn(game);
  const show = (shown, framesStop = false) => game.page.evaluate(([visible, stop]) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => !visible });
    Object.defineProperty(document, "visibilityState", { configurable: true, get: () => (visible ? "visible" : "hidden") });
    window.framesStopped = stop && !visible;
    document.dispatchEvent(new Event("visibilitychange"));
    if (visible) window.framesHeld.splice(0).forEach((frame) => requestAnimationFrame(frame));
  }, [shown, framesStop]);
  const playTime = () => game.page.evaluate(() => window.flatmates.playTime());
  await game.page.keyboard.down("ArrowLeft");
  await sleep(300);
  await show(false);
  const before = [await playTime(), (await game.shot()).manX()];
  await sleep(1000);
  const after = [await playTime(), (await game.shot()).manX()];
  await game.page.keyboard.up("ArrowLeft");
  expect(after[0] === before[0] && after[1] === before[1],
         `while hidden the play time went from ${before[0]} to ${after[0]} s and he from ${before[1]} to ${after[1]}`);
  expect(await game.page.evaluate(() => SDL.music.audio.paused), "the music plays on while the page is hidden");
  await show(true);
  await game.until("play time passing again", async () => (await playTime()) > before[0]);

  await game.walkTo("Tomato");
  const fingers = new Fingers(game.page);
  await fingers.press("use");
  await sleep(200);
  await show(false, true);
  const back = await playTime();
  await show(true);
  await fingers.lift("use");
  await game.until("half a second of play after the return", async () => (await playTime()) > back + 0.5);
  const screen = await game.shot();
  expect(screen.captionPixels() === 0, "the use control held over the hiding used the tomato on the return", screen);
}

// The browser's frames, held back while a test stops them.
function framesStop(page) {
  return page.addInitScript(() => {
    const frame = window.requestAnimationFrame.bind(window);
    window.framesHeld = [];
    window.requestAnimationFrame = (callback) =>
      frame((time) => (window.framesStopped ? window.framesHeld.push(callback) : callback(time)));
  });
}

// The browser's voice stood in for: what it is given, and at what pace.
const recordVoice = (page) => page.addInitScript(() => Object.defineProperty(window, "speechSynthesis", { value: {
  speaking: false, pending: false, cancel: () => {}, speak: (u) => (window.spoken ??= []).push([u.text, u.rate, u.lang]) } }));

// ----------------------------------------------------------- bad conditions

async function failsWith(game, pattern) {
  await game.until("a failure on the page", async () => (await game.state()) === "failed", 60000);
  const message = await game.message();
  expect(pattern.test(message), `the page says "${message}", not ${pattern}`);
}

async function missingData(game) {
  await failsWith(game, /flatmates\.data[\s\S]*could not be downloaded/);
}

async function missingWasm(game) {
  await failsWith(game, /flatmates\.wasm[\s\S]*could not be downloaded/);
}

async function noWebAssembly(game) {
  await failsWith(game, /cannot run WebAssembly/);
}

// A picture and a sound that do not decode: said on the page, and the game
// plays without them.
async function undecodable(game) {
  await game.start();
  await roomADrawn(game);
  const problems = await game.until("the undecodable content named on the page", async () => {
    const listed = (await game.stats()).problems;
    return listed.length >= 2 && listed;
  });
  expect(problems.some((p) => /environment_b_dark\.png could not be decoded/.test(p)),
         `the page does not name the broken picture: ${JSON.stringify(problems)}`);
  expect(problems.some((p) => /sounds\/clock\.wav could not be decoded/.test(p)),
         `the page does not tell of the broken sound: ${JSON.stringify(problems)}`);
  const shown = await game.page.evaluate(() => document.getElementById("problems").innerText);
  expect(/environment_b_dark\.png/.test(shown), "the broken picture is not named where the player sees it");
}

// The content package with the named files' bytes overwritten: not
// pictures or sounds any more.
function breakContent(buildDir, names) {
  const script = readFileSync(join(buildDir, "flatmates.js"), "utf-8");
  const data = Buffer.from(readFileSync(join(buildDir, "flatmates.data")));
  for (const name of names) {
    const found = new RegExp(`"filename":"/${name.replace(/\./g, "\\.")}","start":(\\d+),"end":(\\d+)`).exec(script);
    if (!found) throw new Failure(`${name} is not in the content package`);
    data.fill(0x5a, Number(found[1]), Number(found[2]));
  }
  return data;
}

// ------------------------------------------------------------------ runner

const buildDir = process.argv[2];
if (!buildDir) {
  console.error("usage: node tests/web/run.mjs BUILD_DIR [CASE...]");
  process.exit(2);
}

const fulfilNotFound = (route) => route.fulfill({ status: 404, contentType: "text/plain", body: "not found" });

const CASES = {
  look_and_walk: { run: lookAndWalk },
  tour: { run: tour },
  in_japanese: { run: inJapanese, path: "?lang=ja" },
  escape: { run: escape },
  time_limit: { run: timeLimit, prepare: speedUpClock },
  small_window: { run: smallWindow },
  phone: {
    run: phone,
    device: PHONE,
    prepare: (page) => page.addInitScript(() => {
      const resume = AudioContext.prototype.resume;
      const woken = window.soundResumedIn = [];
      AudioContext.prototype.resume = function () { woken.push(window.event?.type); return resume.call(this); };
    }),
  },
  pad_later: { run: padLater },
  settings_kept: { run: settingsKept },
  hidden_pauses: { run: hiddenPauses, device: PHONE, prepare: framesStop },
  // A browser of its own, where the page's service worker may run.
  offline: { run: offline, alone: true },
  missing_data: { run: missingData, prepare: (page) => page.route("**/flatmates.data", fulfilNotFound), errorsExpected: true },
  missing_wasm: { run: missingWasm, prepare: (page) => page.route("**/flatmates.wasm", fulfilNotFound), errorsExpected: true },
  no_webassembly: {
    run: noWebAssembly,
    prepare: (page) => page.addInitScript(() => { delete window.WebAssembly; }),
  },
  undecodable: {
    run: undecodable,
    prepare: (page) => {
      const broken = breakContent(buildDir, ["assets/environment_b_dark.png", "assets/sounds/clock.wav"]);
      return page.route("**/flatmates.data", (route) =>
        route.fulfill({ status: 200, contentType: "application/octet-stream", body: broken }));
    },
  },
};

const wanted = process.argv.slice(3);
for (const name of wanted)
  if (!(name in CASES)) {
    console.error(`unknown case ${name}; the cases: ${Object.keys(CASES).join(", ")}`);
    process.exit(2);
  }

const server = await serve(buildDir);
const browser = await launch();
// Phone cases share a browser of their own, started when first needed.
let phoneBrowser = null;
let failed = 0;
try {
  for (const name of wanted.length ? wanted : Object.keys(CASES)) {
    const { run, prepare, errorsExpected, device, alone, path = "" } = CASES[name];
    const started = Date.now();
    if (device && !phoneBrowser)
      phoneBrowser = await launch(device);
    const game = alone ? null : await Game.open((device ? phoneBrowser : browser).context, server.url + path,
                                                { prepare: (page) => recordVoice(page).then(() => prepare?.(page)) });
    try {
      await (alone ? run(buildDir) : run(game));
      // Console errors count everywhere but where a download is refused
      // on purpose (the browser logs those itself).
      if (game && !errorsExpected)
        expect(game.consoleErrors.length === 0, `the console shows errors:\n  ${game.consoleErrors.join("\n  ")}`);
      console.log(`passed ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    } catch (error) {
      failed++;
      reportFailure(buildDir, name, error);
      if (game?.consoleErrors.length) console.log(`  console errors:\n  ${game.consoleErrors.join("\n  ")}`);
    } finally {
      // The next case starts from no kept settings (this one may have
      // chosen keys or a language).
      await game?.page.evaluate(() => localStorage.clear()).catch(() => {});
      await game?.page.close();
    }
  }
} finally {
  await browser.close();
  if (phoneBrowser)
    await phoneBrowser.close();
  await server.close();
}
if (failed) {
  console.log(`${failed} browser test(s) failed`);
  process.exit(1);
}
console.log("all browser tests passed");
