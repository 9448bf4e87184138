#pragma once
// Sound effects from the program's wave resources, played in the background.

namespace korvat::platform {

// Starts wave `id` and returns at once; a sound still playing is cut off and replaced. With no
// audio device (none present, or SDL_AUDIODRIVER=dummy/none) nothing is heard and nothing fails.
void playSoundResource(int id);

// Closes the audio device, if one was opened (at program end).
void closeAudio();

// Test hook: called with the id of every sound started; nullptr to remove.
void setSoundObserverForTesting(void (*observer)(int id));

}  // namespace korvat::platform
