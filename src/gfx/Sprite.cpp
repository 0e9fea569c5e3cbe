#include "gfx/Sprite.h"

#include "play/StateTest.h"

#include <SDL_image.h>
#include <SDL_rotozoom.h>
#include <cstring>
#include <fstream>

namespace
{

// Screen coordinates go into the 16-bit fields of SDL_Rect; anything beyond
// them is far off screen anyway.
Sint16 ToScreenCoord(double value)
{
    if (!(value > -32768.0))
        return -32768;
    if (value > 32767.0)
        return 32767;
    return static_cast<Sint16>(value); // truncates toward zero
}

#ifndef __EMSCRIPTEN__
Uint32 ReadPixel(const SDL_Surface* surface, int x, int y)
{
    const Uint8* p =
        static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    switch (surface->format->BytesPerPixel)
    {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
            return (p[0] << 16) | (p[1] << 8) | p[2];
        return p[0] | (p[1] << 8) | (p[2] << 16);
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

// A channel of a whole byte, as the PNG reader gives RGB and RGBA pictures:
// shifting it out gives the value SDL_GetRGBA would.
bool IsByteChannel(Uint32 mask, Uint8 shift)
{
    return (mask >> shift) == 0xff;
}

// Copies a picture of any format into a 32-bit one with no alpha channel,
// painting magenta wherever the picture was transparent (its colour key, or
// an alpha of 0), so that the magenta key alone says what is not drawn. The
// opaque colours keep their RGB: nothing is blended.
SDL_Surface* ToOpaqueRGB(SDL_Surface* source)
{
    SDL_Surface* result =
        SDL_CreateRGBSurface(SDL_SWSURFACE, source->w, source->h, 32, 0xff0000, 0xff00, 0xff, 0);
    if (result == nullptr)
        return nullptr;

    const SDL_PixelFormat* format = source->format;
    const Uint32 magenta = SDL_MapRGB(result->format, 255, 0, 255);
    const bool keyed = (source->flags & SDL_SRCCOLORKEY) != 0;
    const bool hasAlpha = format->Amask != 0;
    // Rooms are swapped with the lights and at every passage, so the usual
    // pictures take a quick way: their colours are moved by shifts into the
    // result's 0xRRGGBB, which is what the mapping below gives for them.
    const bool quick =
        format->BytesPerPixel >= 3 && IsByteChannel(format->Rmask, format->Rshift) &&
        IsByteChannel(format->Gmask, format->Gshift) && IsByteChannel(format->Bmask, format->Bshift) &&
        (!hasAlpha || IsByteChannel(format->Amask, format->Ashift)) && result->format->Rmask == 0xff0000 &&
        result->format->Gmask == 0xff00 && result->format->Bmask == 0xff && result->format->Amask == 0;
    SDL_LockSurface(source);
    SDL_LockSurface(result);
    for (int y = 0; y < source->h; ++y)
    {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(result->pixels) + y * result->pitch);
        for (int x = 0; x < source->w; ++x)
        {
            const Uint32 pixel = ReadPixel(source, x, y);
            if (keyed && pixel == format->colorkey)
            {
                row[x] = magenta;
            }
            else if (quick)
            {
                const bool clear = hasAlpha && ((pixel & format->Amask) >> format->Ashift) == 0;
                row[x] = clear ? magenta
                               : (((pixel & format->Rmask) >> format->Rshift) << 16) |
                                     (((pixel & format->Gmask) >> format->Gshift) << 8) |
                                     ((pixel & format->Bmask) >> format->Bshift);
            }
            else
            {
                Uint8 r, g, b, a;
                SDL_GetRGBA(pixel, format, &r, &g, &b, &a);
                row[x] = hasAlpha && a == 0 ? magenta : SDL_MapRGB(result->format, r, g, b);
            }
        }
    }
    SDL_UnlockSurface(result);
    SDL_UnlockSurface(source);
    return result;
}

// Whether any pixel of a 32-bit picture is colour.
bool HasColour(SDL_Surface* surface, Uint32 colour)
{
    bool found = false;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h && !found; ++y)
    {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w && !found; ++x)
            found = row[x] == colour;
    }
    SDL_UnlockSurface(surface);
    return found;
}

#endif

Uint32 BigEndian32(const Uint8* bytes)
{
    return (Uint32(bytes[0]) << 24) | (Uint32(bytes[1]) << 16) | (Uint32(bytes[2]) << 8) | bytes[3];
}

// Whether a PNG file's header declares a picture too large to draw once
// doubled. Decoding comes first otherwise, and a file of one megabyte can
// declare a picture of a gigabyte that takes seconds to decode, at start-up
// and again at every icon swap. Anything that is not a PNG says no here.
bool DeclaresTooLargePng(const char* path)
{
    // Read through the standard library: the file handles of a browser
    // page's SDL are not streams that SDL_RWread can read.
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    // Signature, then the IHDR chunk's length and name, width and height.
    Uint8 header[24];
    const bool whole = static_cast<bool>(file.read(reinterpret_cast<char*>(header), sizeof(header)));
    if (!whole || std::memcmp(header, "\x89PNG\r\n\x1a\n", 8) != 0 ||
        std::memcmp(header + 12, "IHDR", 4) != 0)
        return false;
    const Uint32 largest = Sprite::kMaxImageSide / 2;
    return BigEndian32(header + 16) > largest || BigEndian32(header + 20) > largest;
}

// The picture as the file holds it, or null for a file that is missing,
// cannot be decoded, or holds a picture too large once doubled.
SDL_Surface* LoadWithinBounds(const char* path)
{
    if (path == nullptr || DeclaresTooLargePng(path))
        return nullptr;
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded != nullptr && (loaded->w * 2 > Sprite::kMaxImageSide || loaded->h * 2 > Sprite::kMaxImageSide))
    {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    return loaded;
}

#ifdef __EMSCRIPTEN__

// The picture as it is drawn in a browser page: doubled pixel for pixel,
// 32-bit, with magenta (and whatever the file itself left transparent) made
// fully transparent. The page's graphics draw every surface with its alpha
// and know no colour key, and their own zoom smooths, so both are done here
// in one pass over the pixels, once per load. Null for anything that cannot
// be made so.
SDL_Surface* LoadDoubled(const char* path)
{
    SDL_Surface* loaded = LoadWithinBounds(path);
    if (loaded == nullptr)
        return nullptr;
    // Bytes in memory R, G, B, A, as the page keeps them.
    SDL_Surface* doubled = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w * 2, loaded->h * 2, 32, 0x000000ff,
                                                0x0000ff00, 0x00ff0000, 0xff000000);
    if (doubled == nullptr)
    {
        SDL_FreeSurface(loaded);
        return nullptr;
    }

    // Locking copies the pixels out of the page and unlocking copies them
    // back: affordable here, once per picture, never per frame.
    SDL_LockSurface(loaded);
    SDL_LockSurface(doubled);
    for (int y = 0; y < loaded->h; ++y)
    {
        const Uint8* from = static_cast<const Uint8*>(loaded->pixels) + y * loaded->pitch;
        Uint8* top = static_cast<Uint8*>(doubled->pixels) + 2 * y * doubled->pitch;
        Uint8* bottom = top + doubled->pitch;
        for (int x = 0; x < loaded->w; ++x, from += 4)
        {
            const bool clear = from[3] == 0 || (from[0] == 255 && from[1] == 0 && from[2] == 255);
            // Partly transparent pixels are drawn opaque, as on the desktop.
            const Uint8 pixel[4] = {clear ? Uint8(0) : from[0], clear ? Uint8(0) : from[1],
                                    clear ? Uint8(0) : from[2], clear ? Uint8(0) : Uint8(255)};
            for (int dx = 0; dx < 2; ++dx)
            {
                std::memcpy(top + (2 * x + dx) * 4, pixel, 4);
                std::memcpy(bottom + (2 * x + dx) * 4, pixel, 4);
            }
        }
    }
    SDL_UnlockSurface(doubled);
    SDL_UnlockSurface(loaded);
    SDL_FreeSurface(loaded);
    return doubled;
}

#else

// The picture as it is drawn: doubled, 32-bit without alpha, magenta keyed.
// Null for anything that cannot be made so.
SDL_Surface* LoadDoubled(const char* path)
{
    SDL_Surface* loaded = LoadWithinBounds(path);
    if (loaded == nullptr)
        return nullptr;

    // Flattened before doubling: the zoom's own conversion of other formats
    // does not tell reliably which pixels were transparent.
    SDL_Surface* flat = ToOpaqueRGB(loaded);
    SDL_FreeSurface(loaded);
    if (flat == nullptr)
        return nullptr;
    SDL_Surface* doubled = rotozoomSurface(flat, 0.0, 2.0, 0);
    SDL_FreeSurface(flat);
    if (doubled == nullptr)
        return nullptr;

    // The zoom marks its result for alpha blending. With that mark one SDL
    // ignores the colour key and draws magenta, so the result is made plain
    // 32-bit again whatever the zoom handed back.
    if (doubled->format->BitsPerPixel != 32 || doubled->format->Amask != 0)
    {
        SDL_Surface* plain = ToOpaqueRGB(doubled);
        SDL_FreeSurface(doubled);
        if (plain == nullptr)
            return nullptr;
        doubled = plain;
    }
    SDL_SetAlpha(doubled, 0, SDL_ALPHA_OPAQUE);
    // A picture without magenta (the rooms) has nothing to leave out: drawn
    // without a key it is copied straight, and its first draw after a swap
    // has no runs of the key to work out. The zoom leaves a key of its own,
    // black, which is taken off too.
    const Uint32 magenta = SDL_MapRGB(doubled->format, 255, 0, 255);
    if (HasColour(doubled, magenta))
        SDL_SetColorKey(doubled, SDL_SRCCOLORKEY | SDL_RLEACCEL, magenta);
    else
        SDL_SetColorKey(doubled, 0, 0);
    return doubled;
}

#endif

} // namespace

Sprite::Anim::Anim() : m_Delay(0.1f), m_CurrFrame(0) {}

int Sprite::Anim::GetFrame()
{
    if (m_CurrFrame >= m_Frames.size())
        m_CurrFrame = 0;
    // An animation without frames shows the first frame of the sheet.
    if (m_Frames.empty())
        return 0;
    return m_Frames[m_CurrFrame];
}

Sprite::Sprite()
    : m_RoomTag(0), m_pImage(nullptr), m_CurrAnim(0), m_FrameRect{0, 0, 0, 0}, m_SharedImage(false),
      m_Hidden(false), m_AnimTime(0.0f)
{
}

Sprite::Sprite(const Sprite& source)
    : Object(), m_RoomTag(0), m_pImage(source.m_pImage), m_Anims(source.m_Anims),
      m_CurrAnim(source.m_CurrAnim), m_FrameRect(source.m_FrameRect), m_SharedImage(true), m_Hidden(false),
      m_AnimTime(0.0f)
{
}

Sprite::~Sprite()
{
    FreeImage();
}

void Sprite::FreeImage()
{
    if (m_pImage != nullptr && !m_SharedImage)
        SDL_FreeSurface(m_pImage);
    m_pImage = nullptr;
}

int Sprite::Update(float dt)
{
    m_AnimTime += dt;
    while (static_cast<unsigned int>(m_CurrAnim) < m_Anims.size())
    {
        Anim& anim = m_Anims[m_CurrAnim];
        if (!(m_AnimTime > anim.m_Delay))
            break;
        const float left = m_AnimTime - anim.m_Delay;
        // A delay that takes nothing off would never end the catching up.
        if (!(left < m_AnimTime))
            break;
        m_AnimTime = left;
        ++anim.m_CurrFrame;
    }
    return 1;
}

int Sprite::Render(SDL_Surface* target)
{
    if (m_Hidden)
        return 1;
    if (m_RoomTag != 0 && m_RoomTag != StateTest::getInstance()->GetRoom())
        return 1;
    if (m_pImage == nullptr || target == nullptr)
        return 0;

    int frame = 0;
    if (static_cast<unsigned int>(m_CurrAnim) < m_Anims.size())
        frame = m_Anims[m_CurrAnim].GetFrame();

    SDL_Rect source = {ToScreenCoord(static_cast<double>(m_FrameRect.w) * frame), 0, m_FrameRect.w,
                       m_FrameRect.h};
    SDL_Rect dest = {ToScreenCoord(m_PosX), ToScreenCoord(m_PosY), m_FrameRect.w, m_FrameRect.h};
    return SDL_UpperBlit(m_pImage, &source, target, &dest) == 0 ? 1 : 0;
}

int Sprite::LoadImg(const char* path)
{
    FreeImage();
    m_pImage = LoadDoubled(path);
    if (m_pImage != nullptr)
    {
        m_FrameRect.x = 0;
        m_FrameRect.y = 0;
        m_FrameRect.w = static_cast<Uint16>(m_pImage->w);
        m_FrameRect.h = static_cast<Uint16>(m_pImage->h);
    }
    m_SharedImage = false;
    return 1;
}

int Sprite::LoadAnimation(const char* path)
{
    m_Anims.clear();
    if (path == nullptr)
        return 1;
    std::ifstream file(path);
    if (file)
        m_Anims = ReadAnimations(file);
    return 1;
}

std::vector<Sprite::Anim> Sprite::ReadAnimations(std::istream& in)
{
    std::vector<Anim> anims;
    int count = 0;
    while (in >> count && count >= 0)
    {
        // Frames are taken one by one, so a count that the file cannot back
        // costs only what the file holds.
        Anim anim;
        for (int i = 0; i < count; ++i)
        {
            int frame = 0;
            if (!(in >> frame))
                return anims;
            anim.m_Frames.push_back(frame);
        }
        anims.push_back(anim);
    }
    return anims;
}

void Sprite::SetPos(double x, double y)
{
    m_PosX = x;
    m_PosY = y;
}

void Sprite::SetCurrAnim(int anim)
{
    m_CurrAnim = anim;
}

void Sprite::SetDimensions(int width, int height)
{
    m_FrameRect.w = static_cast<Uint16>(width);
    m_FrameRect.h = static_cast<Uint16>(height);
}

void Sprite::Hide()
{
    m_Hidden = true;
}

void Sprite::Show()
{
    m_Hidden = false;
}
