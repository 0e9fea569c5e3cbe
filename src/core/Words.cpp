#include "core/Words.h"

#include "core/Platform.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string Words::m_Language = "en";
std::vector<char> Words::m_Catalogue;

namespace
{

// A catalogue is a few dozen kilobytes; anything much larger is not ours.
const size_t kLongestCatalogue = 4 * 1024 * 1024;
const uint32_t kMagic = 0x950412de;
const uint32_t kSwappedMagic = 0xde120495;

uint32_t Word(const std::vector<char>& file, size_t at, bool swapped)
{
    uint32_t value = 0;
    if (at + 4 > file.size())
        return 0;
    std::memcpy(&value, file.data() + at, 4);
    if (swapped)
        value = (value >> 24) | ((value >> 8) & 0xff00) | ((value << 8) & 0xff0000) | (value << 24);
    return value;
}

// The string the table entry at names, or null when it lies outside the
// file or is not ended within it.
const char* Entry(const std::vector<char>& file, uint32_t table, uint32_t index, bool swapped)
{
    const size_t at = static_cast<size_t>(table) + 8 * static_cast<size_t>(index);
    const uint32_t length = Word(file, at, swapped);
    const uint32_t offset = Word(file, at + 4, swapped);
    if (at + 8 > file.size() || static_cast<size_t>(offset) + length >= file.size() ||
        file[offset + length] != '\0')
        return nullptr;
    return file.data() + offset;
}

// The language part of a locale name: "de_DE.UTF-8@euro" gives "de_DE".
std::string Bare(const std::string& name)
{
    return name.substr(0, name.find_first_of(".@"));
}

// The shipped catalogue a locale name asks for, "en" for English, "" for
// none: the whole name, else its language alone, else a shipped country
// variant of that language.
std::string Match(const std::string& wanted, const std::vector<std::string>& shipped)
{
    const std::string bare = Bare(wanted);
    if (bare.empty())
        return "";
    if (bare == "C" || bare == "POSIX" || bare.compare(0, 2, "en") == 0)
        return "en";
    const std::string language = bare.substr(0, bare.find('_'));
    for (const std::string& pass : {bare, language})
    {
        for (const std::string& name : shipped)
        {
            if (name == pass)
                return name;
        }
    }
    for (const std::string& name : shipped)
    {
        if (name.compare(0, language.size() + 1, language + "_") == 0)
            return name;
    }
    return "";
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

bool Words::Use(const std::string& language, const std::vector<std::string>& folders)
{
    m_Language = "en";
    m_Catalogue.clear();
    if (language.empty() || language == "en")
        return true;
    // A name, never a way out of the folder.
    if (language[0] == '.' || language.find('/') != std::string::npos)
        return false;
    for (const std::string& folder : folders)
    {
        std::string text;
        std::string why;
        if (platform::ReadSmallFile(folder + "/" + language + "/LC_MESSAGES/" + kDomain + ".mo",
                                    kLongestCatalogue, &text, &why) != platform::ReadResult::kRead)
            continue;
        const std::vector<char> file(text.begin(), text.end());
        const uint32_t magic = Word(file, 0, false);
        if (magic != kMagic && magic != kSwappedMagic)
            return false;
        m_Catalogue = file;
        m_Language = language;
        return true;
    }
    return false;
}

const char* Words::Get(const char* english)
{
    if (m_Catalogue.empty() || english == nullptr || english[0] == '\0')
        return english;
    const bool swapped = Word(m_Catalogue, 0, false) == kSwappedMagic;
    const uint32_t count = Word(m_Catalogue, 8, swapped);
    const uint32_t originals = Word(m_Catalogue, 12, swapped);
    const uint32_t translations = Word(m_Catalogue, 16, swapped);
    // msgfmt sorts the English texts, so a halving search finds one.
    uint32_t low = 0;
    uint32_t high = count;
    while (low < high)
    {
        const uint32_t middle = low + (high - low) / 2;
        const char* original = Entry(m_Catalogue, originals, middle, swapped);
        if (original == nullptr)
            return english;
        const int order = std::strcmp(english, original);
        if (order == 0)
        {
            const char* translated = Entry(m_Catalogue, translations, middle, swapped);
            return translated != nullptr && translated[0] != '\0' ? translated : english;
        }
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return english;
}

std::string Words::Choose(const std::string& commandLine, const std::string& settings,
                          const std::vector<std::string>& shipped)
{
    for (const std::string& chosen : {commandLine, settings})
    {
        if (chosen.empty())
            continue;
        // A language chosen by name is tried even when no catalogue ships
        // for it: a translator plays his new one so.
        const std::string found = Match(chosen, shipped);
        return found.empty() ? Bare(chosen) : found;
    }
    // LANGUAGE lists the player's languages in order of his liking, but
    // counts only when the locale is not the plain C one.
    const std::string messages = !Environment("LC_ALL").empty()        ? Environment("LC_ALL")
                                 : !Environment("LC_MESSAGES").empty() ? Environment("LC_MESSAGES")
                                                                       : Environment("LANG");
    if (Bare(messages) != "C" && Bare(messages) != "POSIX")
    {
        const std::string list = Environment("LANGUAGE");
        for (size_t start = 0; start < list.size();)
        {
            const size_t end = list.find(':', start);
            const std::string found = Match(list.substr(start, end - start), shipped);
            if (!found.empty())
                return found;
            start = end == std::string::npos ? list.size() : end + 1;
        }
    }
    // A language the game does not speak is still named, so that the
    // player is told he plays in English.
    const std::string found = Match(messages, shipped);
    if (!found.empty())
        return found;
    return Bare(messages).empty() ? "en" : Bare(messages);
}

std::string Words::Fill(const char* format, ...)
{
    std::va_list values;
    va_start(values, format);
    std::va_list again;
    va_copy(again, values);
    const int length = std::vsnprintf(nullptr, 0, format, values);
    va_end(values);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::vector<std::string> Words::Shipped()
{
    std::vector<std::string> names;
    const std::string list = FLATMATES_LANGUAGES;
    for (size_t start = 0; start < list.size();)
    {
        size_t end = list.find(' ', start);
        end = end == std::string::npos ? list.size() : end;
        if (end > start)
            names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::vector<std::string> Words::Folders(const std::string& exeDir)
{
    std::vector<std::string> folders;
    // A translator's own catalogues come first.
    const std::string own = Environment("FLATMATES_LOCALE_DIR");
    if (!own.empty())
        folders.push_back(own);
    for (const std::string& folder : {exeDir + "/../share/locale", exeDir + "/locale", std::string("locale")})
        folders.push_back(folder);
    return folders;
}
