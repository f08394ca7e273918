#include "MixerLibrary.h"

#include <mutex>

#include <dlfcn.h>

namespace {
template <typename Function>
bool resolve(void* library, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(dlsym(library, name));
    return slot != nullptr;
}

// SDL's own functions are found through SDL_mixer, which depends on it.
bool resolveAll(void* lib, MixerLibrary& m) {
    return resolve(lib, "SDL_SetHint", m.SetHint) &&
           resolve(lib, "SDL_SetHintWithPriority", m.SetHintWithPriority) &&
           resolve(lib, "SDL_InitSubSystem", m.InitSubSystem) &&
           resolve(lib, "SDL_QuitSubSystem", m.QuitSubSystem) &&
           resolve(lib, "SDL_PeepEvents", m.PeepEvents) &&
           resolve(lib, "SDL_FlushEvents", m.FlushEvents) &&
           resolve(lib, "SDL_RWFromConstMem", m.RWFromConstMem) &&
           resolve(lib, "SDL_CreateThread", m.CreateThread) &&
           resolve(lib, "SDL_WaitThread", m.WaitThread) && resolve(lib, "Mix_Init", m.Init) &&
           resolve(lib, "Mix_Quit", m.Quit) && resolve(lib, "Mix_OpenAudio", m.OpenAudio) &&
           resolve(lib, "Mix_CloseAudio", m.CloseAudio) &&
           resolve(lib, "Mix_AllocateChannels", m.AllocateChannels) &&
           resolve(lib, "Mix_SetSoundFonts", m.SetSoundFonts) &&
           resolve(lib, "Mix_LoadWAV_RW", m.LoadWAV_RW) &&
           resolve(lib, "Mix_FreeChunk", m.FreeChunk) &&
           resolve(lib, "Mix_PlayChannelTimed", m.PlayChannelTimed) &&
           resolve(lib, "Mix_HaltChannel", m.HaltChannel) &&
           resolve(lib, "Mix_Playing", m.Playing) &&
           resolve(lib, "Mix_HasMusicDecoder", m.HasMusicDecoder) &&
           resolve(lib, "Mix_LoadMUSType_RW", m.LoadMUSType_RW) &&
           resolve(lib, "Mix_FreeMusic", m.FreeMusic) &&
           resolve(lib, "Mix_PlayMusic", m.PlayMusic) &&
           resolve(lib, "Mix_PauseMusic", m.PauseMusic) &&
           resolve(lib, "Mix_ResumeMusic", m.ResumeMusic) &&
           resolve(lib, "Mix_HaltMusic", m.HaltMusic) &&
           resolve(lib, "Mix_PlayingMusic", m.PlayingMusic) &&
           resolve(lib, "Mix_HookMusicFinished", m.HookMusicFinished);
}

// Written once under call_once, read-only afterwards.
MixerLibrary library{};
bool loaded = false;
std::once_flag loading;
}  // namespace

const MixerLibrary* MixerLibrary::load() {
    std::call_once(loading, [] {
        // Kept for the whole run: SDL's threads run code from it until exit.
        void* lib = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        loaded = lib && resolveAll(lib, library);
    });
    return loaded ? &library : nullptr;
}

const MixerLibrary& mixer() {
    return library;
}
