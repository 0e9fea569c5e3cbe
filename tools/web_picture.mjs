// The README's pictures of the browser build (make web-picture): the page in
// headless Chromium, the man at the tomato, its caption showing, taken as the
// page shows it (scaled canvas, help line and all). On a desktop the page
// is played with keys; with "phone", on a phone in landscape, with touch
// alone, its controls showing.
//
// usage: node tools/web_picture.mjs BUILD_DIR OUT.png [phone]

import { writeFileSync } from "node:fs";
import { Fingers, Game, PHONE, launch, serve } from "../tests/web/harness.mjs";

const [buildDir, out, device] = process.argv.slice(2);
if (!buildDir || !out) {
  console.error("usage: node tools/web_picture.mjs BUILD_DIR OUT.png [phone]");
  process.exit(2);
}
const phone = device === "phone";

const server = await serve(buildDir);
// A window somewhat smaller than the game, so the picture shows the scaling;
// the phone at twice its pixel density keeps the picture a reasonable size.
const browser = await launch(phone ? { ...PHONE, deviceScaleFactor: 2 } : { viewport: { width: 960, height: 720 } });
try {
  const game = await Game.open(browser.context, server.url);
  const fingers = phone ? new Fingers(game.page) : null;
  if (phone) {
    await game.waitState("ready");
    await game.page.touchscreen.tap(PHONE.viewport.width / 2, 40);
  } else {
    await game.start();
  }
  await game.waitFor("the kitchen", (s) => s.showsRoom("a"));
  await game.walkTo("Tomato", fingers);
  if (phone)
    await fingers.tap("use");
  else
    await game.page.keyboard.press("Space");
  await game.waitFor("the tomato's caption", (s) => s.captionPixels() > 50, 20000);
  writeFileSync(out, await game.page.screenshot());
  console.log(`wrote ${out}`);
} finally {
  await browser.close();
  await server.close();
}
