#pragma once

#include <SDL2/SDL.h>

namespace platform {

// The audio library's functions the sound output uses, found when the library is first asked
// for. The library and the many it needs (sound servers' clients, codecs, X11 and Wayland
// helpers) are loaded then, on the sound thread, rather than by the system's loader before the
// game's first line runs: linked in, they held up the window by some 20 ms.
struct AudioLibrary {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_TLSCleanup) TLSCleanup;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
};

// The library, loaded at the first call; null where it cannot be loaded, and the game is silent.
const AudioLibrary* Audio();

}  // namespace platform
