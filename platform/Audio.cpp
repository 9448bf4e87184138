#include "platform/Audio.h"

#include <SDL.h>

#include "platform/Resources.h"

namespace korvat::platform {

namespace {

// One device for all sounds, opened with the first sound in its format; SDL converts if the
// hardware wants another. 0 while closed.
SDL_AudioDeviceID device = 0;
SDL_AudioSpec deviceSpec{};
bool unavailable = false;
void (*observer)(int) = nullptr;

bool openDevice(const SDL_AudioSpec& format) {
    if (device != 0) {
        return true;
    }
    if (unavailable) {
        return false;
    }
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        unavailable = true;
        return false;
    }
    SDL_AudioSpec wanted = format;
    wanted.callback = nullptr;  // queued
    wanted.userdata = nullptr;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec, 0);
    if (device == 0) {
        unavailable = true;
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

// Queues the wave in the device's format, converting when a wave differs from the first one.
void queue(const Wave& wave) {
    if (wave.spec.format == deviceSpec.format && wave.spec.channels == deviceSpec.channels &&
        wave.spec.freq == deviceSpec.freq) {
        SDL_QueueAudio(device, wave.samples, wave.length);
        return;
    }
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wave.spec.format, wave.spec.channels, wave.spec.freq,
                          deviceSpec.format, deviceSpec.channels, deviceSpec.freq) < 0) {
        return;
    }
    cvt.len = int(wave.length);
    cvt.buf = static_cast<Uint8*>(SDL_malloc(size_t(cvt.len) * size_t(cvt.len_mult)));
    if (cvt.buf == nullptr) {
        return;
    }
    SDL_memcpy(cvt.buf, wave.samples, wave.length);
    if (SDL_ConvertAudio(&cvt) == 0) {
        SDL_QueueAudio(device, cvt.buf, Uint32(cvt.len_cvt));
    }
    SDL_free(cvt.buf);
}

}  // namespace

void playSoundResource(int id) {
    if (observer != nullptr) {
        observer(id);
    }
    Wave wave;
    if (!loadWave(id, wave)) {
        return;
    }
    if (openDevice(wave.spec)) {
        SDL_ClearQueuedAudio(device);
        queue(wave);
    }
    SDL_FreeWAV(wave.samples);
}

void closeAudio() {
    if (device != 0) {
        SDL_CloseAudioDevice(device);
        device = 0;
    }
}

void setSoundObserverForTesting(void (*newObserver)(int)) {
    observer = newObserver;
}

}  // namespace korvat::platform
