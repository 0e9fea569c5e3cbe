// What the game asks of SDL 1.2 and emscripten's SDL does not offer.

mergeInto(LibraryManager.library, {
  // SDL_EventState(type, state): the game ignores mouse events, which would
  // otherwise take the one event it reads per frame. Ignored events are
  // still seen by SDL (button and key state) but never handed to the game.
  // The page's SDL also makes finger and wheel events out of the mouse and
  // of touches; SDL 1.2 has neither kind, so they go with the mouse buttons.
  SDL_EventState__deps: ['$SDL'],
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
});
