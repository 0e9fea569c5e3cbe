#ifndef FLATMATES_APP_SETTINGS_H
#define FLATMATES_APP_SETTINGS_H

#include <string>
#include <vector>

// What the player chose and keeps from one run to the next: the window or
// the whole screen, the sound on or off, and its volume. Kept as a few
// "name=value" lines in settings.ini; the game writes them only when the
// player changes one.
class Settings
{
public:
    // Volume steps: 0 is silent, kVolumeSteps is the mixer's full volume.
    static const int kVolumeSteps = 8;

    bool m_Fullscreen = false;
    bool m_Muted = false;
    int m_Volume = kVolumeSteps;
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

    bool operator==(const Settings& other) const;
};

#endif
