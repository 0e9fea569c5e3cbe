#ifndef FLATMATES_AUDIO_SOUNDCONTROL_H
#define FLATMATES_AUDIO_SOUNDCONTROL_H

// The player's hold on the sound: music and effects on or off together, and
// their volume in a few even steps. Turning the volume while muted turns the
// sound back on. Everything goes to the mixer through the sound manager.
class SoundControl
{
public:
    // steps: volume steps from silent to the mixer's full volume.
    explicit SoundControl(int steps);

    // Takes over a kept mute and volume (clamped to the steps) and applies
    // them.
    void Set(bool muted, int volume);
    void ToggleMute();
    void VolumeUp();
    void VolumeDown();
    // Hands the current volume to the sound manager, 0 while muted.
    void Apply() const;

    bool IsMuted() const { return m_Muted; }
    int GetVolume() const { return m_Volume; }
    // What the mixer is given, 0 to MIX_MAX_VOLUME.
    int MixerVolume() const;
    // One short line for the screen, "Sound off" or "Volume 5/8", or to be
    // said aloud, "Volume 5 of 8". Writes at most size bytes, ended by a
    // zero.
    void Describe(char* text, int size, bool aloud = false) const;

private:
    int m_Steps;
    bool m_Muted = false;
    int m_Volume;
};

#endif
