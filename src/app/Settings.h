#ifndef FLATMATES_APP_SETTINGS_H
#define FLATMATES_APP_SETTINGS_H

#include "app/ProgramKeys.h"
#include "app/SpeechVoice.h"

#include <array>
#include <string>
#include <vector>

// What the player chose and keeps from one run to the next: the window or
// the whole screen, the sound on or off, its volume, stereo, speech and its
// pace, and the keys
// he plays with. Kept as "name=value" lines in settings.ini, a file the
// player may write himself: the game writes it only when the player changes
// a setting in play, and then changes only that setting's line, leaving
// every other line he wrote (comments, names a later version knows, lines
// it cannot read) where it stands.
class Settings
{
public:
    // Volume steps: 0 is silent, kVolumeSteps is the mixer's full volume.
    static const int kVolumeSteps = 8;

    bool m_Fullscreen = false;
    bool m_Muted = false;
    int m_Volume = kVolumeSteps;
    bool m_Speech = false;
    // Whether the file says speech=0 or 1; left unsaid, speech follows the
    // desktop's screen reader.
    bool m_SpeechChosen = false;
    // Effects heard from where their thing stands, left or right.
    bool m_Stereo = true;
    // The voice's pace, SpeechVoice::kSlowest to kFastest.
    int m_SpeechRate = SpeechVoice::kUsualRate;
    // The language to play in ("de", "pt_BR"), "" for the environment's.
    std::string m_Language;

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

    // The longest settings file there can be, in bytes.
    static const size_t kLongest = 4096;

    // The defaults, as a new settings file lists them.
    Settings();

    // Where the file lives: settings.ini in the platform's settings folder,
    // or "" when the player has none.
    static std::string DefaultPath();

    // Reads the settings at path. A missing file is a first start: the
    // defaults, nothing to say. A line that cannot be used is one line in
    // problems, with its number, and the rest of the file still counts.
    // Returns whether the file may be written over when a setting changes:
    // false when there is no path or the file could not be read at all (too
    // long, not a regular file, unreadable), since what is in it would be
    // lost; then problems says so, with the path, and the defaults are used.
    bool Load(const std::string& path, std::vector<std::string>* problems);
    // Writes the settings to path, making its folder when missing, and
    // replaces the old file in one step (the file a link points at, when
    // path is a link). False with the reason in problem.
    bool Save(const std::string& path, std::string* problem) const;

    // The file's text: the lines as read, each setting that changed since
    // written where its line stands, a new one added at the end.
    std::string Format() const;
    // Reads the text, putting each line that cannot be used in problems.
    // False, leaving *this untouched, only for a text longer than any
    // settings file. A UTF-8 byte-order mark is no part of the first line.
    bool Parse(const std::string& text, std::vector<std::string>* problems);

    // Equal when every choice is; the file's lines and where a key was read
    // are no choice.
    bool operator==(const Settings& other) const;

    // The text with every byte that is not printable ASCII (escape
    // sequences among them) shown as \xNN, fit for a terminal.
    static std::string Printable(const std::string& text);

private:
    // The settings this game reads: fullscreen, mute, volume, speech,
    // stereo, speech_rate, language, then a key for each choosable action.
    static const int kBasics = 7;
    static const int kKnown = kBasics + ProgramKeys::kChoosable;

    struct Blank
    {
    };
    // No lines at all, the values at their defaults.
    explicit Settings(Blank) {}

    static std::string KnownName(int known);
    static int KnownNamed(const std::string& name);
    // The setting's value as the file writes it.
    std::string KnownValue(int known) const;
    // Takes the value read at line number; false when the setting takes no
    // such value.
    bool SetKnown(int known, const std::string& value, int number);
    // Reads text into a blank Settings.
    void ReadLines(const std::string& text, std::vector<std::string>* problems);

    // The file's lines as read, without their '\n', to be written back.
    std::vector<std::string> m_Lines;
    bool m_ByteOrderMark = false;
    // Whether the file ends its lines with "\r\n", as new lines will.
    bool m_CarriageReturns = false;
    // Each known setting's value as the file gave it (its default when the
    // file does not, or not in a way that can be used), and the index in
    // m_Lines of the last line naming it, -1 for none.
    std::array<std::string, kKnown> m_FileValues;
    std::array<int, kKnown> m_FileLines;
};

#endif
