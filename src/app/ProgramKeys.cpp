#include "app/ProgramKeys.h"

#include "app/KeyNames.h"
#include "app/Settings.h"
#include "core/Words.h"

#include <algorithm>
#include <iterator>

namespace
{

// An action a key can be chosen for, and the keys it has by default; the
// first is the one a chosen key becomes.
struct Choosable
{
    const char* name;
    ProgramKeys::Action action; // kGame for the man's own
    SDLKey keys[3];             // ends early at SDLK_UNKNOWN
    const char* spoken;         // the default keys, said aloud (in English: said in the player's language)
};

const Choosable kChoosables[] = {
    {"left", ProgramKeys::Action::kGame, {SDLK_LEFT}, N_("the left arrow")},
    {"right", ProgramKeys::Action::kGame, {SDLK_RIGHT}, N_("the right arrow")},
    {"use", ProgramKeys::Action::kGame, {SDLK_SPACE}, N_("space")},
    {"pause", ProgramKeys::Action::kPause, {SDLK_p}, N_("P")},
    {"mute", ProgramKeys::Action::kMute, {SDLK_m}, N_("M")},
    {"volume_down", ProgramKeys::Action::kVolumeDown, {SDLK_MINUS, SDLK_KP_MINUS}, N_("minus")},
    {"volume_up", ProgramKeys::Action::kVolumeUp, {SDLK_EQUALS, SDLK_PLUS, SDLK_KP_PLUS}, N_("equals")},
    // Enter is fullscreen's only with Alt (Decide sees to that).
    {"fullscreen", ProgramKeys::Action::kFullscreen, {SDLK_F11, SDLK_RETURN, SDLK_KP_ENTER}, N_("F11")},
    {"speech", ProgramKeys::Action::kSpeech, {SDLK_t}, N_("T")},
    // Keys the game leaves alone (R is its own).
    {"where", ProgramKeys::Action::kWhere, {SDLK_w}, N_("W")},
    {"repeat", ProgramKeys::Action::kRepeat, {SDLK_l}, N_("L")},
};
static_assert(std::size(kChoosables) == ProgramKeys::kChoosable, "every choosable action has its row");

bool IsEnter(SDLKey sym)
{
    return sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
}

bool IsDefaultKey(const Choosable& choosable, SDLKey sym)
{
    return std::find(std::begin(choosable.keys), std::end(choosable.keys), sym) != std::end(choosable.keys);
}

// Whether choice a comes before choice b in the settings file.
bool ComesFirst(const Settings& settings, int a, int b)
{
    const int lineA = settings.m_Keys[a].line;
    const int lineB = settings.m_Keys[b].line;
    return lineA != lineB ? lineA < lineB : a < b;
}

// Whether another action keeps the key chosen for this one: it was chosen
// for that one first in the file, or that one has it by default and no key
// of its own.
bool KeptElsewhere(const SDLKey chosen[], int choosable, const Settings& settings)
{
    const SDLKey key = chosen[choosable];
    for (int other = 0; other < ProgramKeys::kChoosable; ++other)
    {
        // Enter is fullscreen's only with Alt: alone it is free to choose.
        const bool fullscreenEnter =
            kChoosables[other].action == ProgramKeys::Action::kFullscreen && IsEnter(key);
        const bool kept = chosen[other] == SDLK_UNKNOWN
                              ? IsDefaultKey(kChoosables[other], key) && !fullscreenEnter
                              : chosen[other] == key && ComesFirst(settings, other, choosable);
        if (other != choosable && kept)
            return true;
    }
    return false;
}

// What is said of the refused choices, in the file's order.
std::vector<std::string> Refusals(const std::string refused[], const Settings& settings)
{
    std::vector<int> order;
    for (int choosable = 0; choosable < ProgramKeys::kChoosable; ++choosable)
    {
        if (!refused[choosable].empty())
            order.push_back(choosable);
    }
    std::sort(order.begin(), order.end(), [&settings](int a, int b) { return ComesFirst(settings, a, b); });
    std::vector<std::string> said;
    for (const int choosable : order)
    {
        const Settings::KeyChoice& choice = settings.m_Keys[choosable];
        const std::string written = std::string("key.") + kChoosables[choosable].name + "=" + choice.key;
        // TRANSLATORS: the line number, the line as written, why it was
        // refused, and the action that keeps its usual key.
        said.push_back(Words::Fill(_("settings.ini line %d: \"%s\" %s; %s keeps its default"), choice.line,
                                   Settings::Printable(written.substr(0, 40)).c_str(),
                                   refused[choosable].c_str(), kChoosables[choosable].name));
    }
    return said;
}

} // namespace

const char* ProgramKeys::ChoosableName(int choosable)
{
    return kChoosables[choosable].name;
}

int ProgramKeys::ChoosableNamed(const std::string& name)
{
    for (int choosable = 0; choosable < kChoosable; ++choosable)
    {
        if (name == kChoosables[choosable].name)
            return choosable;
    }
    return -1;
}

std::vector<std::string> ProgramKeys::Choose(const Settings& settings)
{
    SDLKey chosen[kChoosable] = {};
    std::string refused[kChoosable];
    for (int choosable = 0; choosable < kChoosable; ++choosable)
    {
        const std::string& name = settings.m_Keys[choosable].key;
        if (name.empty())
            continue;
        chosen[choosable] = KeyNames::Find(name);
        if (chosen[choosable] == SDLK_UNKNOWN)
            refused[choosable] = _("names no key");
        else if (chosen[choosable] == SDLK_ESCAPE)
            refused[choosable] = _("takes escape, which always ends the run");
        if (!refused[choosable].empty())
            chosen[choosable] = SDLK_UNKNOWN;
    }
    // A refused choice gives its action back its default keys, which another
    // choice may have wanted: look again from the start until none did.
    for (int choosable = 0; choosable < kChoosable; ++choosable)
    {
        if (chosen[choosable] == SDLK_UNKNOWN || !KeptElsewhere(chosen, choosable, settings))
            continue;
        refused[choosable] = Words::Fill(_("gives %s to two actions"), KeyNames::Name(chosen[choosable]));
        chosen[choosable] = SDLK_UNKNOWN;
        choosable = -1;
    }
    MakeDefault(chosen);
    return Refusals(refused, settings);
}

void ProgramKeys::MakeDefault(const SDLKey chosen[kChoosable])
{
    // An action with a chosen key gives up its default keys, unless one is
    // chosen for another action.
    m_AsDefault.clear();
    for (int choosable = 0; choosable < kChoosable; ++choosable)
    {
        for (const SDLKey key : kChoosables[choosable].keys)
        {
            if (chosen[choosable] != SDLK_UNKNOWN && key != SDLK_UNKNOWN)
                m_AsDefault.emplace_back(key, SDLK_UNKNOWN);
        }
    }
    for (int choosable = 0; choosable < kChoosable; ++choosable)
    {
        const SDLKey key = chosen[choosable];
        if (key == SDLK_UNKNOWN)
            continue;
        const auto given =
            std::find_if(m_AsDefault.begin(), m_AsDefault.end(),
                         [key](const std::pair<SDLKey, SDLKey>& change) { return change.first == key; });
        if (given != m_AsDefault.end())
            m_AsDefault.erase(given);
        m_AsDefault.emplace_back(key, kChoosables[choosable].keys[0]);
    }
}

const char* ProgramKeys::KeyName(int choosable) const
{
    const SDLKey standard = kChoosables[choosable].keys[0];
    for (const std::pair<SDLKey, SDLKey>& change : m_AsDefault)
    {
        if (change.second == standard)
            return KeyNames::Name(change.first);
    }
    return _(kChoosables[choosable].spoken);
}

SDLKey ProgramKeys::AsDefault(SDLKey sym) const
{
    for (const std::pair<SDLKey, SDLKey>& change : m_AsDefault)
    {
        if (change.first == sym)
            return change.second;
    }
    return sym;
}

ProgramKeys::Action ProgramKeys::ActionFor(SDLKey sym)
{
    for (const Choosable& choosable : kChoosables)
    {
        if (sym != SDLK_UNKNOWN && IsDefaultKey(choosable, sym))
            return choosable.action;
    }
    return Action::kGame;
}

ProgramKeys::Action ProgramKeys::Decide(const SDL_KeyboardEvent& key)
{
    const SDLKey sym = key.keysym.sym;
    const Action action = ActionFor(sym);
    if (action == Action::kGame || sym < 0 || sym >= SDLK_LAST)
        return Action::kGame;
    if (key.type == SDL_KEYUP)
    {
        // Enter is the program's only when pressed with Alt.
        const bool taken = !IsEnter(sym) || m_Down[sym];
        m_Down[sym] = false;
        return taken ? Action::kNothing : Action::kGame;
    }
    if (IsEnter(sym) && (key.keysym.mod & KMOD_ALT) == 0)
        return Action::kGame;
    if (m_Down[sym])
        return Action::kNothing;
    m_Down[sym] = true;
    return action;
}

void ProgramKeys::LetGoAll()
{
    std::fill(std::begin(m_Down), std::end(m_Down), false);
}
