#ifndef FLATMATES_APP_PROGRAMOVERLAY_H
#define FLATMATES_APP_PROGRAMOVERLAY_H

#include "core/Overlay.h"

class TextObject;

// The program's lines over the room: "Paused" in the middle while the game
// stands still, and a short notice of a sound change in the top right
// corner for two seconds. Their texts are made when they change, never in
// the frames that show them.
class ProgramOverlay : public Overlay
{
public:
    // How long a notice stays on the screen.
    static constexpr float kNoticeSeconds = 2.0f;

    ProgramOverlay() = default;
    ~ProgramOverlay() override;
    ProgramOverlay(const ProgramOverlay&) = delete;
    ProgramOverlay& operator=(const ProgramOverlay&) = delete;

    // Makes the pause line and the notice's text; the font must be open.
    void Start();
    // Shows text in the corner for kNoticeSeconds.
    void ShowNotice(const char* text);
    // Counts the notice down by the frame time, paused or not.
    void Update(float dt);
    // Draws the pause line while the game is paused, and the notice.
    void Render(SDL_Surface* screen) override;

    // Seconds the notice still shows; 0 or less when it does not.
    float GetNoticeTimeLeft() const { return m_NoticeTimeLeft; }
    const TextObject* GetNotice() const { return m_pNotice; }
    const TextObject* GetPauseLine() const { return m_pPauseLine; }

private:
    TextObject* m_pPauseLine = nullptr;
    TextObject* m_pNotice = nullptr;
    SDL_Rect m_PauseBox = {0, 0, 0, 0};
    float m_NoticeTimeLeft = 0.0f;
};

#endif
