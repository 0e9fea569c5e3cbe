// What the game asks of SDL 1.2 and emscripten's SDL does not offer.

mergeInto(LibraryManager.library, {
  // SDL_EventState(type, state): the game ignores mouse events, which would
  // otherwise take the one event it reads per frame. Ignored events are
  // still seen by SDL (button and key state) but never handed to the game.
  // The page's SDL also makes finger and wheel events out of the mouse and
  // of touches; SDL 1.2 has neither kind, so they go with the mouse buttons.
  SDL_EventState__deps: ['$SDL', '$flatmatesKeys'],
  SDL_EventState: function(type, state) {
    var SDL_MOUSEBUTTONDOWN = 0x401;
    var SDL_MOUSEWHEEL = 0x403;
    var SDL_FINGERDOWN = 0x700, SDL_FINGERUP = 0x701, SDL_FINGERMOTION = 0x702;
    var SDL_IGNORE = 0, SDL_ENABLE = 1;
    if (!SDL.ignoredEventTypes) {
      SDL.ignoredEventTypes = {};
      var makeCEvent = SDL.makeCEvent;
      SDL.makeCEvent = function(event, ptr) {
        if (typeof event == 'object' && SDL.ignoredEventTypes[SDL.DOMEventToSDLEvent[event.type]]) {
          SDL.handleEvent(event);
          return false; // the poll moves on to the next event
        }
        return makeCEvent(event, ptr);
      };
    }
    var types = [type];
    if (type == SDL_MOUSEBUTTONDOWN) types.push(SDL_MOUSEWHEEL, SDL_FINGERDOWN, SDL_FINGERUP, SDL_FINGERMOTION);
    var was = SDL.ignoredEventTypes[type] ? SDL_IGNORE : SDL_ENABLE;
    types.forEach(function(t) {
      if (state == SDL_IGNORE) SDL.ignoredEventTypes[t] = true;
      else if (state == SDL_ENABLE) delete SDL.ignoredEventTypes[t];
    });
    return was;
  },

  // Each key arrives as the key the game knows it by, in every browser, so
  // that a key chosen in the settings by its name is the key pressed. The
  // page's SDL leaves Chrome's and Safari's numbers for - = and ; as they
  // are, takes the keypad's Enter for Return and, with Num Lock off, the
  // keypad's keys for the ones beside it, and gives Print Screen, Scroll
  // Lock and Pause numbers its own key list does not use. The releases it
  // makes up on hiding carry the browser's number alone: they release what
  // its last press gave.
  $flatmatesKeys__deps: ['$SDL'],
  $flatmatesKeys__postset: 'flatmatesKeys();',
  $flatmatesKeys: function() {
    var SCANCODE = 1 << 10; // the page's SDL numbers its other keys by scancode
    var byNumber = {186: 59, 187: 61, 189: 45, 44: 70 | SCANCODE, 145: 71 | SCANCODE, 19: 72 | SCANCODE};
    var keypad = {NumpadDivide: 84, NumpadMultiply: 85, NumpadSubtract: 86, NumpadAdd: 87, NumpadEnter: 88,
                  Numpad0: 98, NumpadDecimal: 99, NumpadEqual: 103};
    for (var digit = 1; digit <= 9; digit++) keypad['Numpad' + digit] = 88 + digit;
    var lookup = SDL.lookupKeyCodeForEvent;
    var pressed = {};
    SDL.lookupKeyCodeForEvent = function(event) {
      if (event.code === undefined && event.keyCode in pressed) return pressed[event.keyCode];
      var key = event.location === 3 && event.code in keypad ? keypad[event.code] | SCANCODE
              : byNumber[event.keyCode] || lookup(event);
      if (event.type === 'keydown') pressed[event.keyCode] = key;
      return key;
    };
  },
});
