#include "check/FileCheck.h"

#include "check/CheckReport.h"
#include "check/ContentFiles.h"
#include "gfx/Sprite.h"

#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

// The size the game gives every caption.
const int kCaptionPointSize = 24;

// The length in bytes of the MPEG audio frame whose header starts at at, or
// 0 when no header starts there.
size_t MpegFrameLength(const std::string& bytes, size_t at)
{
    if (at + 4 > bytes.size())
        return 0;
    const unsigned char sync = bytes[at], second = bytes[at + 1], third = bytes[at + 2];
    const int version = (second >> 3) & 3; // 3: MPEG 1, 2: MPEG 2, 0: MPEG 2.5
    const int layer = 4 - ((second >> 1) & 3);
    const int bitrateIndex = third >> 4;
    const int rateIndex = (third >> 2) & 3;
    if (sync != 0xFF || (second & 0xE0) != 0xE0 || version == 1 || layer == 4 || bitrateIndex == 0 ||
        bitrateIndex == 15 || rateIndex == 3)
        return 0;

    // clang-format off
    static const int kKbps[5][15] = {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // MPEG 1, layer I
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // MPEG 1, layer II
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // MPEG 1, layer III
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // MPEG 2, layer I
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},         // MPEG 2, layers II and III
    };
    static const int kRates[3] = {44100, 48000, 32000};
    // clang-format on
    const bool mpeg1 = version == 3;
    const int row = mpeg1 ? layer - 1 : layer == 1 ? 3 : 4;
    const int bitrate = kKbps[row][bitrateIndex] * 1000;
    const int rate = kRates[rateIndex] / (mpeg1 ? 1 : version == 2 ? 2 : 4);
    const int padding = (third >> 1) & 1;
    if (layer == 1)
        return size_t((12 * bitrate / rate + padding) * 4);
    return size_t((layer == 3 && !mpeg1 ? 72 : 144) * bitrate / rate + padding);
}

// The mixer opens an MP3 without decoding any of it, so that anything at all
// passes its loader. Music is taken to be there when, past a leading tag,
// three MPEG audio frames follow each other.
bool HasMpegFrames(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream read;
    read << file.rdbuf();
    const std::string bytes = read.str();
    size_t from = 0;
    if (bytes.size() >= 10 && bytes.compare(0, 3, "ID3") == 0)
    {
        // The tag's size: four bytes of seven bits each, then its header.
        for (int i = 6; i < 10; ++i)
            from = (from << 7) | (static_cast<unsigned char>(bytes[i]) & 0x7F);
        from += 10;
    }
    const size_t kSearch = 64 * 1024;
    for (size_t start = from; start < bytes.size() && start < from + kSearch; ++start)
    {
        size_t at = start;
        int frames = 0;
        for (size_t length; frames < 3 && (length = MpegFrameLength(bytes, at)) != 0; at += length)
            ++frames;
        if (frames == 3)
            return true;
    }
    return false;
}

bool Exists(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file != nullptr)
        std::fclose(file);
    return file != nullptr;
}

} // namespace

void FileCheck::Run(bool audioOpen, CheckReport* report)
{
    for (const ContentFiles::File& file : ContentFiles::All())
    {
        const char* path = file.m_Path;
        if (!Exists(path))
        {
            report->Add(path, "missing");
            continue;
        }
        std::string problem;
        if (ContentFiles::IsPicture(file.m_Kind))
        {
            problem = PictureProblem(path);
        }
        else if (file.m_Kind == ContentFiles::kFont)
        {
            TTF_Font* font = TTF_OpenFont(path, kCaptionPointSize);
            if (font == nullptr)
                problem = std::string("cannot be read as a font: ") + TTF_GetError();
            else
                TTF_CloseFont(font);
        }
        else if ((file.m_Kind == ContentFiles::kSound || file.m_Kind == ContentFiles::kMusic) && !audioOpen)
        {
            problem = std::string("cannot be checked without audio: ") + Mix_GetError();
        }
        else if (file.m_Kind == ContentFiles::kSound)
        {
            Mix_Chunk* sound = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
            if (sound == nullptr)
                problem = std::string("cannot be read as a sound: ") + Mix_GetError();
            else
                Mix_FreeChunk(sound);
        }
        else if (file.m_Kind == ContentFiles::kMusic)
        {
            Mix_Music* music = Mix_LoadMUS(path);
            if (music == nullptr)
                problem = std::string("cannot be read as music: ") + Mix_GetError();
            else if (!HasMpegFrames(path))
                problem = "cannot be read as music: no MPEG audio frames in it";
            if (music != nullptr)
                Mix_FreeMusic(music);
        }
        if (!problem.empty())
            report->Add(path, problem);
    }
}

const char* FileCheck::PictureProblem(const char* path)
{
    Sprite sprite;
    sprite.LoadImg(path);
    if (sprite.GetImage() != nullptr)
        return "";
    // The game refuses pictures it cannot decode and those too large to
    // double; which of the two is told apart here.
    SDL_Surface* decoded = IMG_Load(path);
    if (decoded == nullptr)
        return "cannot be read as a picture";
    SDL_FreeSurface(decoded);
    return "too large: the game takes pictures up to 4096 pixels a side";
}
