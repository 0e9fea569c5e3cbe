#ifndef FLATMATES_APP_SETTINGS_H
#define FLATMATES_APP_SETTINGS_H

#include "app/ProgramKeys.h"

#include <array>
#include <string>
#include <vector>

// What the player chose and keeps from one run to the next: the window or
// the whole screen, the sound on or off, its volume, speech, and the keys
// he plays with. Kept as a few "name=value" lines in settings.ini; the game
// writes them only when the player changes one.
class Settings
{
public:
    // Volume steps: 0 is silent, kVolumeSteps is the mixer's full volume.
    static const int kVolumeSteps = 8;

    bool m_Fullscreen = false;
    bool m_Muted = false;
    int m_Volume = kVolumeSteps;
    bool m_Speech = false;

    // A key the player chose for an action ("key.use=return"): SDL's name
    // for it as he wrote it, "" for the action's default keys, and the line
    // it was read from, to say where a key that cannot be had was chosen.
    // Whether the name is a key is known only once the video is up.
    struct KeyChoice
    {
        std::string key;
        int line = 0;
    };
    // By ProgramKeys' choosable actions.
    std::array<KeyChoice, ProgramKeys::kChoosable> m_Keys;
    // Lines of settings this game does not know, as read: a later version's
    // choices, written back as they were.
    std::vector<std::string> m_Others;

    // The longest settings file there can be, in bytes.
    static const size_t kLongest = 4096;

    // Where the file lives: settings.ini in the platform's settings folder,
    // or "" when the player has none.
    static std::string DefaultPath();

    // Reads the settings at path. A missing file is a first start: the
    // settings stay as they are and true is returned. An unreadable or
    // damaged one leaves them too and returns false with one line in
    // problem that says what was wrong and where.
    bool Load(const std::string& path, std::string* problem);
    // Writes the settings to path, making its folder when missing, and
    // replaces the old file in one step. False with the reason in problem.
    bool Save(const std::string& path, std::string* problem) const;

    // The file's text, and reading it back; Parse leaves *this untouched
    // and returns false with the reason when the text is damaged. A UTF-8
    // byte-order mark before the first line is no part of it.
    std::string Format() const;
    bool Parse(const std::string& text, std::string* problem);

    // Equal when every choice is; where a key was read is no choice.
    bool operator==(const Settings& other) const;

    // The text with every byte that is not printable ASCII (escape
    // sequences among them) shown as \xNN, fit for a terminal.
    static std::string Printable(const std::string& text);
};

#endif
