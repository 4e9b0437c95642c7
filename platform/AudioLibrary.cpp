#include "platform/AudioLibrary.h"

#include <alsa/asoundlib.h>

#include <dlfcn.h>

namespace platform {
namespace {

// alsa-lib writes several lines to standard error for each output it fails to open, and without
// a sound card or server every sound would fail so: the game plays on without sound, quietly.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The audio library loads the same alsa-lib, so its attempts stay quiet too.
void QuietAlsa()
{
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa)
        return;
    using SetHandler = int (*)(snd_lib_error_handler_t);
    if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(&IgnoreAlsaError);
}

template <typename Function>
bool Find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Both libraries stay loaded to the end of the process: the audio library's threads may outlive
// the sound thread when a sound server stops answering.
const AudioLibrary* Load()
{
    QuietAlsa();
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!sdl)
        return nullptr;
    static AudioLibrary library;
    const bool found = Find(sdl, "SDL_SetHint", library.SetHint)
                       && Find(sdl, "SDL_InitSubSystem", library.InitSubSystem)
                       && Find(sdl, "SDL_QuitSubSystem", library.QuitSubSystem)
                       && Find(sdl, "SDL_TLSCleanup", library.TLSCleanup)
                       && Find(sdl, "SDL_RWFromConstMem", library.RWFromConstMem)
                       && Find(sdl, "SDL_LoadWAV_RW", library.LoadWAV_RW)
                       && Find(sdl, "SDL_FreeWAV", library.FreeWAV)
                       && Find(sdl, "SDL_BuildAudioCVT", library.BuildAudioCVT)
                       && Find(sdl, "SDL_ConvertAudio", library.ConvertAudio)
                       && Find(sdl, "SDL_OpenAudioDevice", library.OpenAudioDevice)
                       && Find(sdl, "SDL_CloseAudioDevice", library.CloseAudioDevice)
                       && Find(sdl, "SDL_GetAudioDeviceStatus", library.GetAudioDeviceStatus)
                       && Find(sdl, "SDL_PauseAudioDevice", library.PauseAudioDevice)
                       && Find(sdl, "SDL_LockAudioDevice", library.LockAudioDevice)
                       && Find(sdl, "SDL_UnlockAudioDevice", library.UnlockAudioDevice);
    return found ? &library : nullptr;
}

}  // namespace

const AudioLibrary* Audio()
{
    static const AudioLibrary* const library = Load();
    return library;
}

}  // namespace platform
