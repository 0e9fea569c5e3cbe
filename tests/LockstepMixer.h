#ifndef FLATMATES_TESTS_LOCKSTEPMIXER_H
#define FLATMATES_TESTS_LOCKSTEPMIXER_H

// The mixer plays sounds on SDL's audio thread at the pace of the wall
// clock, so whether a sound has ended, and with it which channel the next
// one gets, depends on how fast a test happens to run. While a
// LockstepMixer lives, the audio device the game opens mixes nothing by
// itself: the test moves the mixer on by the game's own time, and sounds end
// after the same frames on every run and every machine.

#include <SDL.h>
#include <vector>

class LockstepMixer
{
public:
    // Takes over the next audio device opened (Mix_OpenAudio), until the
    // mixer is destroyed. One at a time.
    LockstepMixer();
    ~LockstepMixer();
    LockstepMixer(const LockstepMixer&) = delete;
    LockstepMixer& operator=(const LockstepMixer&) = delete;

    // Whether a device has been opened and taken over.
    bool Holds() const;
    // Mixes as much sound as plays in seconds, exactly: what a frame leaves
    // of a sample is carried to the next.
    void Advance(double seconds);

private:
    std::vector<Uint8> m_Buffer;
    double m_OwedSamples = 0.0;
};

#endif
