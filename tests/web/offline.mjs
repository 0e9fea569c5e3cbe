// The game kept for play with no network: after one visit, the page's
// service worker (sw.js) answers for every file of the build, so the page
// reloads and plays offline.

import { Failure, Game, launch, serve } from "./harness.mjs";

// In a browser of its own, the one that lets the page's worker run, so that
// neither the kept game nor the lost network reaches any other case.
export async function offline(buildDir) {
  const server = await serve(buildDir);
  const browser = await launch({ serviceWorkers: "allow" });
  try {
    const game = await Game.open(browser.context, server.url);
    await game.start();
    await game.waitFor("the kitchen (room a) online", (s) => s.showsRoom("a"));
    await game.until("the page in the care of its service worker", () =>
      game.page.evaluate(() => navigator.serviceWorker.controller !== null));

    // The browser's offline switch does not reach the worker's own fetches,
    // so the server goes as well.
    await browser.context.setOffline(true);
    await server.close();
    await game.page.reload();
    await game.start();
    await game.waitFor("the kitchen (room a) offline", (s) => s.showsRoom("a"));
    if (game.consoleErrors.length)
      throw new Failure(`the console shows errors:\n  ${game.consoleErrors.join("\n  ")}`, game.last);
  } finally {
    await browser.close();
    await server.close().catch(() => {});
  }
}
