// A short visit in each browser engine beside Chromium (browsers.mjs): the
// page gets ready, a key starts the game in the kitchen, he walks left to
// the tomato, its use brings a caption, he walks back right, and nothing
// goes wrong on the way. Judged from the canvas as the Chromium tests judge
// it. Run by make test-web after run.mjs.
//
// usage: node tests/web/engines.mjs BUILD_DIR [firefox|webkit...]

import { ENGINES } from "./browsers.mjs";
import { Failure, Game, START_X, reportFailure } from "./harness.mjs";

function expect(condition, message, screen = null) {
  if (!condition) throw new Failure(message, screen);
}

async function visit(game) {
  await game.start();
  let screen = await game.waitFor("the kitchen (room a) on the canvas", (s) => s.showsRoom("a"));
  expect(screen.magentaPixels() === 0, `${screen.magentaPixels()} magenta pixels show`, screen);
  const start = (await game.settle()).manX();
  expect(start === START_X, `the man stands at ${start}, not at his start point ${START_X}`, game.last);

  screen = await game.walkTo("Tomato");
  expect(screen.manX() < start - 200, `the tomato is within reach at ${screen.manX()}, not left of his start`, screen);
  await game.page.keyboard.press(" "); // Space, as every engine names it
  screen = await game.waitFor("a caption", (s) => s.captionPixels() > 50, 20000);

  const left = screen.manX();
  await game.page.keyboard.down("ArrowRight");
  try {
    await game.waitFor("the man walking back right", (s) => (s.manX() ?? 0) >= left + 60);
  } finally {
    await game.page.keyboard.up("ArrowRight");
  }
  const { problems } = await game.stats();
  expect(problems.length === 0, `the page lists problems: ${problems.join("; ")}`);
  expect(await game.state() === "playing", `the page is "${await game.state()}" after the visit, not playing`);
}

const [buildDir, ...wanted] = process.argv.slice(2);
const unknown = wanted.filter((name) => !(name in ENGINES));
if (!buildDir || unknown.length) {
  console.error(`usage: node tests/web/engines.mjs BUILD_DIR [${Object.keys(ENGINES).join("|")}...]`);
  process.exit(2);
}

let failed = 0;
for (const engine of wanted.length ? wanted : Object.keys(ENGINES)) {
  const started = Date.now();
  let browser = null;
  let server = null;
  let game = null;
  try {
    browser = await ENGINES[engine]();
    server = await browser.serve(buildDir);
    game = await Game.open(browser, server.url);
    await visit(game);
    if (game.page.consoleErrors) game.consoleErrors.push(...await game.page.consoleErrors());
    expect(game.consoleErrors.length === 0, `the console shows errors:\n  ${game.consoleErrors.join("\n  ")}`);
    console.log(`passed ${engine} in ${browser.name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  } catch (error) {
    failed++;
    reportFailure(buildDir, engine, error, browser ? `${engine} in ${browser.name}` : engine);
  } finally {
    await game?.page.close().catch(() => {});
    await browser?.close();
    await server?.close();
  }
}
if (failed) {
  console.log(`${failed} browser engine(s) failed`);
  process.exit(1);
}
console.log("the visit passed in every engine");
