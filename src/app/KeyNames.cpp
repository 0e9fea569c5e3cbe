#include "app/KeyNames.h"

#include <array>
#include <cctype>

namespace
{

struct Named
{
    SDLKey sym;
    const char* name;
};

// Every key SDL 1.2 names in words, in its order; the keys of the printable
// characters are named by their character (below).
const Named kNamed[] = {
    {SDLK_BACKSPACE, "backspace"},
    {SDLK_TAB, "tab"},
    {SDLK_CLEAR, "clear"},
    {SDLK_RETURN, "return"},
    {SDLK_PAUSE, "pause"},
    {SDLK_ESCAPE, "escape"},
    {SDLK_SPACE, "space"},
    {SDLK_DELETE, "delete"},
    {SDLK_KP0, "[0]"},
    {SDLK_KP1, "[1]"},
    {SDLK_KP2, "[2]"},
    {SDLK_KP3, "[3]"},
    {SDLK_KP4, "[4]"},
    {SDLK_KP5, "[5]"},
    {SDLK_KP6, "[6]"},
    {SDLK_KP7, "[7]"},
    {SDLK_KP8, "[8]"},
    {SDLK_KP9, "[9]"},
    {SDLK_KP_PERIOD, "[.]"},
    {SDLK_KP_DIVIDE, "[/]"},
    {SDLK_KP_MULTIPLY, "[*]"},
    {SDLK_KP_MINUS, "[-]"},
    {SDLK_KP_PLUS, "[+]"},
    {SDLK_KP_ENTER, "enter"},
    {SDLK_KP_EQUALS, "equals"},
    {SDLK_UP, "up"},
    {SDLK_DOWN, "down"},
    {SDLK_RIGHT, "right"},
    {SDLK_LEFT, "left"},
    {SDLK_INSERT, "insert"},
    {SDLK_HOME, "home"},
    {SDLK_END, "end"},
    {SDLK_PAGEUP, "page up"},
    {SDLK_PAGEDOWN, "page down"},
    {SDLK_F1, "f1"},
    {SDLK_F2, "f2"},
    {SDLK_F3, "f3"},
    {SDLK_F4, "f4"},
    {SDLK_F5, "f5"},
    {SDLK_F6, "f6"},
    {SDLK_F7, "f7"},
    {SDLK_F8, "f8"},
    {SDLK_F9, "f9"},
    {SDLK_F10, "f10"},
    {SDLK_F11, "f11"},
    {SDLK_F12, "f12"},
    {SDLK_F13, "f13"},
    {SDLK_F14, "f14"},
    {SDLK_F15, "f15"},
    {SDLK_NUMLOCK, "numlock"},
    {SDLK_CAPSLOCK, "caps lock"},
    {SDLK_SCROLLOCK, "scroll lock"},
    {SDLK_RSHIFT, "right shift"},
    {SDLK_LSHIFT, "left shift"},
    {SDLK_RCTRL, "right ctrl"},
    {SDLK_LCTRL, "left ctrl"},
    {SDLK_RALT, "right alt"},
    {SDLK_LALT, "left alt"},
    {SDLK_RMETA, "right meta"},
    {SDLK_LMETA, "left meta"},
    {SDLK_LSUPER, "left super"},
    {SDLK_RSUPER, "right super"},
    {SDLK_MODE, "alt gr"},
    {SDLK_COMPOSE, "compose"},
    {SDLK_HELP, "help"},
    {SDLK_PRINT, "print screen"},
    {SDLK_SYSREQ, "sys req"},
    {SDLK_BREAK, "break"},
    {SDLK_MENU, "menu"},
    {SDLK_POWER, "power"},
    {SDLK_UNDO, "undo"},
};

const char* const kUnknown = "unknown key";

// SDL 1.2 has a key for each printable character but the capitals, "%" and
// "{|}~", and names it by the character.
bool IsCharacterKey(int sym)
{
    return sym != '%' && ((sym >= '!' && sym <= '@') || (sym >= '[' && sym <= 'z'));
}

const char* CharacterName(int sym)
{
    static const auto names = []
    {
        std::array<std::array<char, 2>, 128> all{};
        for (int c = 0; c < 128; ++c)
            all[c] = {static_cast<char>(c), '\0'};
        return all;
    }();
    return names[sym].data();
}

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

SDLKey KeyNames::Find(const std::string& name)
{
    const std::string wanted = Lowered(name);
    if (wanted.size() == 1 && IsCharacterKey(static_cast<unsigned char>(wanted[0])))
        return static_cast<SDLKey>(static_cast<unsigned char>(wanted[0]));
    for (const Named& named : kNamed)
    {
        if (wanted == named.name)
            return named.sym;
    }
    return SDLK_UNKNOWN;
}

const char* KeyNames::Name(SDLKey sym)
{
    if (IsCharacterKey(sym))
        return CharacterName(sym);
    for (const Named& named : kNamed)
    {
        if (named.sym == sym)
            return named.name;
    }
    return kUnknown;
}
