// The README's picture of the browser build (make web-picture): the page in
// headless Chromium, the man at the tomato, its caption showing, taken as the
// page shows it (scaled canvas, help line and all).
//
// usage: node tools/web_picture.mjs BUILD_DIR OUT.png

import { writeFileSync } from "node:fs";
import { Game, launch, serve } from "../tests/web/harness.mjs";

const [buildDir, out] = process.argv.slice(2);
if (!buildDir || !out) {
  console.error("usage: node tools/web_picture.mjs BUILD_DIR OUT.png");
  process.exit(2);
}

const server = await serve(buildDir);
// A window somewhat smaller than the game, so the picture shows the scaling.
const browser = await launch({ viewport: { width: 960, height: 720 } });
try {
  const game = await Game.open(browser.context, server.url);
  await game.start();
  await game.waitFor("the kitchen", (s) => s.showsRoom("a"));
  await game.walkTo("Tomato");
  await game.page.keyboard.press("Space");
  await game.waitFor("the tomato's caption", (s) => s.captionPixels() > 50, 20000);
  writeFileSync(out, await game.page.screenshot());
  console.log(`wrote ${out}`);
} finally {
  await browser.close();
  await server.close();
}
