#ifndef FLATMATES_APP_SETTINGSKEEPER_H
#define FLATMATES_APP_SETTINGSKEEPER_H

#include "app/Settings.h"

#include <string>

// The player's settings as this run has them, and their file: read once at
// start, written whenever the player changes one. A problem with the file
// is told once on stderr; play goes on with what it has. A file that could
// not be read at all is never written over.
class SettingsKeeper
{
public:
    // Reads the settings at path ("" for none).
    void Load(const std::string& path);
    // From now on changes are written to the file. Before, nothing is kept:
    // the game runs without a settings file (tests, tools).
    void Start() { m_Started = true; }
    // Takes the changed settings and writes them when they differ.
    void Keep(const Settings& changed);

    const Settings& Get() const { return m_Settings; }

private:
    Settings m_Settings;
    std::string m_Path;
    bool m_Started = false;
    // False when the file could not be read, so must be left alone.
    bool m_Writable = true;
    bool m_SaveFailed = false;
};

#endif
