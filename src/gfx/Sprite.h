#ifndef FLATMATES_GFX_SPRITE_H
#define FLATMATES_GFX_SPRITE_H

#include "gfx/Object.h"

#include <SDL.h>
#include <istream>
#include <vector>

// A picture on the screen: a PNG doubled when loaded, magenta transparent,
// cut into equal frames laid side by side, with optional animations that
// step through those frames every 0.1 s.
class Sprite : public Object
{
public:
    // One animation: frame numbers shown in turn, each for m_Delay seconds.
    class Anim
    {
    public:
        Anim();

        // The frame number shown now; an index run past the end starts over
        // at the first frame.
        int GetFrame();

        float m_Delay;
        unsigned int m_CurrFrame;
        std::vector<int> m_Frames;
    };

    // Pictures whose doubled size passes this in either direction are
    // refused like an undecodable file: one such picture would take the
    // whole game's memory.
    static constexpr int kMaxImageSide = 8192;

    Sprite();
    // A second view of the same picture: shares the image (never frees it),
    // copies the animations and frame size, starts at (0, 0), shown, untagged.
    Sprite(const Sprite& source);
    Sprite& operator=(const Sprite&) = delete;
    virtual ~Sprite();

    // Called once per frame: advances the current animation.
    int Update(float dt) override;
    // Called once per frame: draws the current frame unless hidden or tagged
    // for the other room. 1 when drawn or skipped, 0 when the blit failed.
    int Render(SDL_Surface* target) override;

    // Replaces the picture in place; position and animations stay. A missing
    // or broken file leaves the sprite without a picture.
    int LoadImg(const char* path);
    // Replaces the animations with those of a description file.
    int LoadAnimation(const char* path);
    // Reads animation records ("count frame...") until the end of the input
    // or the first number that cannot be read; keeps the completed ones.
    static std::vector<Anim> ReadAnimations(std::istream& in);

    void SetPos(double x, double y);
    void SetCurrAnim(int anim);
    void SetDimensions(int width, int height);
    void Hide();
    void Show();

    bool IsHidden() const { return m_Hidden; }
    int GetCurrAnim() const { return m_CurrAnim; }
    SDL_Surface* GetImage() const { return m_pImage; }
    bool SharesImage() const { return m_SharedImage; }
    const SDL_Rect& GetFrameRect() const { return m_FrameRect; }
    const std::vector<Anim>& GetAnims() const { return m_Anims; }
    float GetAnimTime() const { return m_AnimTime; }

    // Room the sprite is drawn in: 0 every room, 'a' or 'b' only that room.
    char m_RoomTag;

private:
    void FreeImage();

    SDL_Surface* m_pImage;
    std::vector<Anim> m_Anims;
    int m_CurrAnim;
    SDL_Rect m_FrameRect;
    bool m_SharedImage;
    bool m_Hidden;
    float m_AnimTime;
};

#endif
