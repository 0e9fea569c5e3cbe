#ifndef FLATMATES_TESTS_GFX_GFXTESTSUPPORT_H
#define FLATMATES_TESTS_GFX_GFXTESTSUPPORT_H

#include <SDL.h>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

// Helpers shared by the picture tests: a scratch folder and pixel reading.
namespace gfxtest
{

struct Rgb
{
    Uint8 r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kBlue = {0, 0, 255};
const Rgb kMagenta = {255, 0, 255};
const Rgb kBackground = {40, 80, 120};

// Reads a pixel of a 32-bit surface.
inline Rgb PixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint32 pixel =
        *reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4);
    SDL_UnlockSurface(surface);
    Rgb c;
    SDL_GetRGB(pixel, surface->format, &c.r, &c.g, &c.b);
    return c;
}

inline void Fill(SDL_Surface* surface, Rgb c)
{
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, c.r, c.g, c.b));
}

// A fresh folder under /tmp, removed with what it holds when done.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        char pattern[] = "/tmp/flatmates-gfx-XXXXXX";
        const char* made = mkdtemp(pattern);
        m_Path = made != nullptr ? made : "/tmp/flatmates-gfx";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_Path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return m_Path + "/" + name; }

private:
    std::string m_Path;
};

} // namespace gfxtest

#endif
