#include "app/Settings.h"

#include "app/SpeechVoice.h"
#include "core/Platform.h"
#include "core/Words.h"

#include <cstdio>
#include <iterator>
#include <sstream>

namespace
{

const char* const kFileName = "settings.ini";
const char* const kNoFolder = N_("neither XDG_CONFIG_HOME nor HOME names a folder for settings");
const char* const kByteOrderMark = "\xEF\xBB\xBF";
const char* const kNameLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-";

// A first start's file: what each setting is, at its default.
std::string NewFile()
{
    return "# Flatmates keeps the player's choices here; the game changes a line\n"
           "# when its setting changes in play and leaves the others as they are.\n"
           "# Unless speech is chosen here (speech=0 or 1), it follows the\n"
           "# desktop's screen reader. speech_rate goes from 1 (slow) to 5.\n"
           "fullscreen=0\nmute=0\nvolume=" +
           std::to_string(Settings::kVolumeSteps) + "\nstereo=1\nspeech_rate=3\n";
}

// The settings that are not keys, in the order of Settings' known settings.
const char* const kBasicNames[] = {"fullscreen", "mute",        "volume",  "speech",
                                   "stereo",     "speech_rate", "language"};
const char* const kLanguageLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_@.-";

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

// A whole number from lowest to highest.
bool ReadStep(const std::string& value, int lowest, int highest, int* out)
{
    if (value.empty() || value.size() > 2 || value.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int step = std::stoi(value);
    if (step < lowest || step > highest)
        return false;
    *out = step;
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

Settings::Settings()
{
    ReadLines(NewFile(), nullptr);
}

bool Settings::Load(const std::string& path, std::vector<std::string>* problems)
{
    if (path.empty())
    {
        problems->push_back(Words::Fill(_("%s; changes in play are not kept"), _(kNoFolder)));
        return false;
    }
    std::string text;
    std::string why;
    switch (platform::ReadSmallFile(path, kLongest, &text, &why))
    {
    case platform::ReadResult::kMissing:
        return true;
    case platform::ReadResult::kFailed:
        problems->push_back(Words::Fill(
            _("no settings read: %s; using the defaults, and changes in play are not saved over it"),
            why.c_str()));
        return false;
    case platform::ReadResult::kRead:
        break;
    }
    std::vector<std::string> found;
    Parse(text, &found);
    for (const std::string& problem : found)
        problems->push_back(path + ": " + problem);
    return true;
}

bool Settings::Save(const std::string& path, std::string* problem) const
{
    if (path.empty())
    {
        *problem = _(kNoFolder);
        return false;
    }
    const std::string folder = FolderOf(path);
    if (!folder.empty() && !platform::MakeDirectories(folder, problem))
        return false;
    return platform::ReplaceFile(path, Format(), problem);
}

std::string Settings::KnownName(int known)
{
    static_assert(std::size(kBasicNames) == kBasics, "every setting but the keys is named");
    if (known < kBasics)
        return kBasicNames[known];
    return std::string("key.") + ProgramKeys::ChoosableName(known - kBasics);
}

int Settings::KnownNamed(const std::string& name)
{
    for (int known = 0; known < kKnown; ++known)
    {
        if (name == KnownName(known))
            return known;
    }
    return -1;
}

std::string Settings::KnownValue(int known) const
{
    switch (known)
    {
    case 0:
        return m_Fullscreen ? "1" : "0";
    case 1:
        return m_Muted ? "1" : "0";
    case 2:
        return std::to_string(m_Volume);
    case 3:
        return !m_SpeechChosen ? "" : (m_Speech ? "1" : "0");
    case 4:
        return m_Stereo ? "1" : "0";
    case 5:
        return std::to_string(m_SpeechRate);
    case 6:
        return m_Language;
    default:
        return m_Keys[known - kBasics].key;
    }
}

bool Settings::SetKnown(int known, const std::string& value, int number)
{
    switch (known)
    {
    case 0:
        return ReadSwitch(value, &m_Fullscreen);
    case 1:
        return ReadSwitch(value, &m_Muted);
    case 2:
        return ReadStep(value, 0, kVolumeSteps, &m_Volume);
    case 3:
        if (!ReadSwitch(value, &m_Speech))
            return false;
        m_SpeechChosen = true;
        return true;
    case 4:
        return ReadSwitch(value, &m_Stereo);
    case 5:
        return ReadStep(value, SpeechVoice::kSlowest, SpeechVoice::kFastest, &m_SpeechRate);
    case 6:
        // A locale's name ("de", "pt_BR", "ru_RU.UTF-8"), which other tools
        // may read as well.
        if (value.empty() || value.size() > 32 ||
            value.find_first_not_of(kLanguageLetters) != std::string::npos)
            return false;
        m_Language = value;
        return true;
    default:
        // Whether it names a key is known once the video is up.
        m_Keys[known - kBasics] = KeyChoice{value, number};
        return true;
    }
}

std::string Settings::Format() const
{
    std::vector<std::string> lines = m_Lines;
    const std::string end = m_CarriageReturns ? "\r" : "";
    for (int known = 0; known < kKnown; ++known)
    {
        const std::string value = KnownValue(known);
        if (value == m_FileValues[known])
            continue;
        const std::string line = KnownName(known) + "=" + value + end;
        if (m_FileLines[known] >= 0)
            lines[m_FileLines[known]] = line;
        else
            lines.push_back(line);
    }
    std::string text = m_ByteOrderMark ? kByteOrderMark : "";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool Settings::Parse(const std::string& text, std::vector<std::string>* problems)
{
    // A settings file is short; anything much longer is not one.
    if (text.size() > kLongest)
    {
        problems->push_back(_("longer than a settings file can be"));
        return false;
    }
    Settings read{Blank()};
    read.ReadLines(text, problems);
    *this = read;
    return true;
}

void Settings::ReadLines(const std::string& text, std::vector<std::string>* problems)
{
    m_FileLines.fill(-1);
    m_ByteOrderMark = text.compare(0, 3, kByteOrderMark) == 0;
    std::istringstream lines(m_ByteOrderMark ? text.substr(3) : text);
    std::string raw;
    while (std::getline(lines, raw))
    {
        m_Lines.push_back(raw);
        const int number = static_cast<int>(m_Lines.size());
        if (number == 1)
            m_CarriageReturns = !raw.empty() && raw.back() == '\r';
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line == "[flatmates]")
            continue;
        const std::string::size_type equals = line.find('=');
        const std::string name = Trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
        const bool named = equals != std::string::npos && !name.empty() &&
                           name.find_first_not_of(kNameLetters) == std::string::npos;
        const int known = named ? KnownNamed(name) : -1;
        if (known >= 0)
            m_FileLines[known] = number - 1;
        // Names this game does not know are left for a later one.
        if (named && (known < 0 || SetKnown(known, value, number)))
            continue;
        if (problems != nullptr)
            problems->push_back(
                known >= 0 ? Words::Fill(_("line %d is not a setting (\"%s\"); %s keeps its default"), number,
                                         Printable(line.substr(0, 40)).c_str(), name.c_str())
                           : Words::Fill(_("line %d is not a setting (\"%s\"); the line is left as it is"),
                                         number, Printable(line.substr(0, 40)).c_str()));
    }
    for (int known = 0; known < kKnown; ++known)
        m_FileValues[known] = KnownValue(known);
}

bool Settings::operator==(const Settings& other) const
{
    for (int choosable = 0; choosable < ProgramKeys::kChoosable; ++choosable)
    {
        if (m_Keys[choosable].key != other.m_Keys[choosable].key)
            return false;
    }
    return m_Fullscreen == other.m_Fullscreen && m_Muted == other.m_Muted && m_Volume == other.m_Volume &&
           m_Speech == other.m_Speech && m_SpeechChosen == other.m_SpeechChosen &&
           m_Stereo == other.m_Stereo && m_SpeechRate == other.m_SpeechRate;
}
