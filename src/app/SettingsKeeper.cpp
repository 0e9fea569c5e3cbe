#include "app/SettingsKeeper.h"

#include "core/Words.h"

#include <cstdio>
#include <vector>

void SettingsKeeper::Load(const std::string& path)
{
    m_Path = path;
    std::vector<std::string> problems;
    m_Writable = m_Settings.Load(path, &problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "flatmates: %s\n", problem.c_str());
}

void SettingsKeeper::Keep(const Settings& changed)
{
    if (changed == m_Settings)
        return;
    m_Settings = changed;
    if (!m_Started || !m_Writable)
        return;
    std::string problem;
    if (!m_Settings.Save(m_Path, &problem) && !m_SaveFailed)
    {
        m_SaveFailed = true;
        std::fprintf(stderr, "flatmates: %s\n",
                     Words::Fill(_("settings not kept: %s"), problem.c_str()).c_str());
    }
}
