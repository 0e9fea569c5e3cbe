#include "app/Settings.h"

#include "core/Platform.h"

#include <cstdio>
#include <sstream>

namespace
{

const char* const kFileName = "settings.ini";

std::string Trim(const std::string& text)
{
    const std::string::size_type first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const std::string::size_type last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool ReadSwitch(const std::string& value, bool* out)
{
    if (value != "0" && value != "1")
        return false;
    *out = value == "1";
    return true;
}

bool ReadVolume(const std::string& value, int* out)
{
    if (value.empty() || value.size() > 2 || value.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int volume = std::stoi(value);
    if (volume > Settings::kVolumeSteps)
        return false;
    *out = volume;
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

} // namespace

std::string Settings::Printable(const std::string& text)
{
    std::string shown;
    for (const unsigned char c : text)
    {
        if (c >= 0x20 && c < 0x7f && c != '\\')
        {
            shown += static_cast<char>(c);
            continue;
        }
        char code[5];
        std::snprintf(code, sizeof(code), "\\x%02x", c);
        shown += code;
    }
    return shown;
}

std::string Settings::DefaultPath()
{
    const std::string folder = platform::SettingsDirectory();
    return folder.empty() ? std::string() : folder + "/" + kFileName;
}

bool Settings::Load(const std::string& path, std::string* problem)
{
    if (path.empty())
    {
        *problem = "neither XDG_CONFIG_HOME nor HOME names a folder for settings";
        return false;
    }
    std::string text;
    std::string why;
    switch (platform::ReadSmallFile(path, kLongest, &text, &why))
    {
    case platform::ReadResult::kMissing:
        return true;
    case platform::ReadResult::kFailed:
        *problem = "no settings read: " + why + "; using the defaults";
        return false;
    case platform::ReadResult::kRead:
        break;
    }
    if (!Parse(text, &why))
    {
        *problem = path + ": " + why;
        return false;
    }
    return true;
}

bool Settings::Save(const std::string& path, std::string* problem) const
{
    if (path.empty())
    {
        *problem = "neither XDG_CONFIG_HOME nor HOME names a folder for settings";
        return false;
    }
    const std::string folder = FolderOf(path);
    if (!folder.empty() && !platform::MakeDirectories(folder, problem))
        return false;
    return platform::ReplaceFile(path, Format(), problem);
}

std::string Settings::Format() const
{
    std::string text = "# Flatmates keeps the player's choices here; the game rewrites this\n"
                       "# file whenever one of them changes in play.\n";
    text += "fullscreen=" + std::string(m_Fullscreen ? "1" : "0") + "\n";
    text += "mute=" + std::string(m_Muted ? "1" : "0") + "\n";
    text += "volume=" + std::to_string(m_Volume) + "\n";
    text += "speech=" + std::string(m_Speech ? "1" : "0") + "\n";
    for (int choosable = 0; choosable < ProgramKeys::kChoosable; ++choosable)
    {
        if (!m_Keys[choosable].key.empty())
            text += std::string("key.") + ProgramKeys::ChoosableName(choosable) + "=" +
                    m_Keys[choosable].key + "\n";
    }
    for (const std::string& other : m_Others)
        text += other + "\n";
    return text;
}

bool Settings::Parse(const std::string& text, std::string* problem)
{
    // A settings file is short; anything much longer is not one.
    if (text.size() > kLongest)
    {
        *problem = "longer than a settings file can be";
        return false;
    }
    Settings read;
    const char* const kByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream lines(text.compare(0, 3, kByteOrderMark) == 0 ? text.substr(3) : text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line))
    {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line == "[flatmates]")
            continue;
        const std::string::size_type equals = line.find('=');
        const std::string name = Trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
        bool good =
            equals != std::string::npos && !name.empty() &&
            name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-") ==
                std::string::npos;
        if (good && name == "fullscreen")
            good = ReadSwitch(value, &read.m_Fullscreen);
        else if (good && name == "mute")
            good = ReadSwitch(value, &read.m_Muted);
        else if (good && name == "volume")
            good = ReadVolume(value, &read.m_Volume);
        else if (good && name == "speech")
            good = ReadSwitch(value, &read.m_Speech);
        else if (good && name.compare(0, 4, "key.") == 0 && ProgramKeys::ChoosableNamed(name.substr(4)) >= 0)
            read.m_Keys[ProgramKeys::ChoosableNamed(name.substr(4))] = KeyChoice{value, number};
        // Names this game does not know are left for a later one.
        else if (good)
            read.m_Others.push_back(name + "=" + value);
        if (!good)
        {
            *problem = "line " + std::to_string(number) + " is not a setting (\"" +
                       Printable(line.substr(0, 40)) + "\"); using the defaults";
            return false;
        }
    }
    *this = read;
    return true;
}

bool Settings::operator==(const Settings& other) const
{
    for (int choosable = 0; choosable < ProgramKeys::kChoosable; ++choosable)
    {
        if (m_Keys[choosable].key != other.m_Keys[choosable].key)
            return false;
    }
    return m_Fullscreen == other.m_Fullscreen && m_Muted == other.m_Muted && m_Volume == other.m_Volume &&
           m_Speech == other.m_Speech && m_Others == other.m_Others;
}
