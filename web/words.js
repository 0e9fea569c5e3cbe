"use strict";
// The page's own words, in the language the visit is played in: all that
// the page shows or says around the game. Each is written here once, in
// English, as _("...") so that xgettext takes it into the game's catalogues
// (po/); when the build writes the page it puts this script into it, and
// ahead of it PAGE_CATALOGUES, the translations of these words from each
// po/<lang>.po, so that they are there before anything shows, network or
// none. A word a catalogue lacks stays English.

// Every word below in English (PAGE_ENGLISH), and for each language the
// game has words in (po/LINGUAS) its translations in the same order, ""
// for one still to come: { "de": [German, ...], ... }.
const pageEnglish = typeof PAGE_ENGLISH === "object" ? PAGE_ENGLISH : [];
const pageCatalogues = typeof PAGE_CATALOGUES === "object" ? PAGE_CATALOGUES : {};
let pageCatalogue = new Map();

// The page's words for an English text: its translation, or the text.
function _(english) {
  return pageCatalogue.get(english) || english;
}

// A text with its {names} filled in.
function fill(text, values) {
  return text.replace(/\{(\w+)\}/g, (whole, name) => (name in values ? String(values[name]) : whole));
}

// The game's name for the language a browser or a player names ("pt-BR",
// "pt_br", "pt", "ja-JP", "de_DE.UTF-8"): the whole name, else its language
// alone, else a country's variant of that language, as the game itself
// matches a locale; "en" for English; null for one it has no words in.
function languageFor(wanted) {
  const bare = String(wanted || "").trim().split(/[.@]/)[0].replace(/-/g, "_");
  if (bare === "C" || bare === "POSIX")
    return "en";
  if (!/^[A-Za-z]{2,3}(_[A-Za-z0-9]{2,8})*$/.test(bare))
    return null;
  const [language, ...rest] = bare.split("_");
  const lower = language.toLowerCase();
  if (lower === "en")
    return "en";
  const names = Object.keys(pageCatalogues);
  const whole = [lower, ...rest.map((part, i) => (i === 0 && part.length === 2 ? part.toUpperCase() : part))].join("_");
  return names.find((name) => name === whole) || names.find((name) => name === lower) ||
         names.find((name) => name.startsWith(lower + "_")) || null;
}

// The page's words from now on in the game's language name ("pt_BR"); its
// tag for the browser ("pt-BR").
function usePageLanguage(name) {
  const words = pageCatalogues[name] || [];
  pageCatalogue = new Map(pageEnglish.map((english, i) => [english, words[i]]));
  return name.replace(/_/g, "-");
}

// Every word of the page, in the language chosen last.
function pageWords() {
  return {
    loading: _("Loading…"),
    /* TRANSLATORS: {percent} is how much of the game has arrived, 0 to 100. */
    loadingShare: _("Loading… {percent} %"),
    /* TRANSLATORS: P, M, T, W and L are the keys' own letters in every language. */
    canvas: _("Flatmates. Left and right arrows walk, space uses what is within reach, P pauses, M sound, T speech, W says where you are, L repeats the last line, Escape ends the visit."),
    helpKeys: _("← → walk · Space uses what is within reach · T says it all aloud · Escape ends the visit · sound starts with your first key press or click"),
    helpTouch: _("hold ◀ ▶ to walk · tap ◉ to use what is within reach · ❚❚ pause · sound · fullscreen"),
    controls: {
      "walk-left": _("Walk left"),
      "walk-right": _("Walk right"),
      "use": _("Use what is within reach"),
      "pause": _("Pause"),
      "sound": _("Sound on or off"),
      "fullscreen": _("Fullscreen"),
    },
    playWithSpeech: _("Play with speech"),
    tapToStart: _("Tap to start"),
    pressToStart: _("Press any key to start"),
    soundWithKey: _("(or click). The sound starts with it: browsers play none before."),
    soundWithTap: _("The sound starts with it: browsers play none before."),
    cannotRun: _("Flatmates cannot run"),
    reloadToTry: _("Reload to try again"),
    noWebAssembly: _("This browser cannot run WebAssembly, which the game needs. A current Firefox, Chrome, Edge or Safari can."),
    noProgram: _("The game's program (flatmates.js) could not be downloaded. Check the connection and reload the page."),
    noContent: _("The game's content (flatmates.data) could not be downloaded. Check the connection and reload the page."),
    noWasm: _("The game's program (flatmates.wasm) could not be downloaded or started. Reload the page to try again."),
    stopped: _("The game stopped on an error."),
    /* TRANSLATORS: {path} is a file of the game, {why} the browser's own words. */
    noCaptionFont: _("The caption font {path} could not be read ({why}); captions show in the browser's own font."),
    /* TRANSLATORS: {name} is a file of the game. */
    badPicture: _("The picture {name} could not be decoded; the game plays without it."),
    /* TRANSLATORS: {name} is a file of the game, {why} the browser's own words. */
    badSound: _("The sound {name} could not be decoded ({why}); the game plays without it."),
    /* TRANSLATORS: {why} is the browser's own words. */
    aSoundBad: _("A sound could not be decoded ({why}); the game plays without it."),
    // The game says this line too, as its last; the page says it when the
    // visit ends.
    visitOverLine: _("The visit is over."),
    visitOver: _("The visit is over"),
    thanks: _("Thank you for dropping by."),
    comeAgain: _("To visit the flat again, reload the page."),
    playAgain: _("Play again"),
  };
}
