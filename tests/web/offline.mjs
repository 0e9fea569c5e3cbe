// The game kept for play with no network: after one visit, the page's
// service worker (sw.js) answers for every file of the build, so the page
// reloads and plays offline. That first visit downloads each file once,
// whether the server helps the browser's cache (an ETag) or forbids it.

import { Failure, Game, launch, serve } from "./harness.mjs";

export async function offline(buildDir) {
  for (const etag of [false, true])
    await visitThenGoOffline(buildDir, etag);
}

// In a browser of its own, the one that lets the page's worker run, so that
// neither the kept game nor the lost network reaches any other case.
async function visitThenGoOffline(buildDir, etag) {
  const server = await serve(buildDir, { etag });
  const browser = await launch({ serviceWorkers: "allow" });
  try {
    const game = await Game.open(browser.context, server.url);
    await game.start();
    await game.waitFor("the kitchen (room a) online", (s) => s.showsRoom("a"));
    await game.until("the build kept whole by the page's service worker", () =>
      game.page.evaluate(() => window.flatmates.kept));
    if ([...server.gets.values()].some((n) => n !== 1) || !server.gets.has("/flatmates.data"))
      throw new Failure(`a first visit (etag ${etag}) fetched ${JSON.stringify([...server.gets])}`);

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
