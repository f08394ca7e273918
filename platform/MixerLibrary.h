#pragma once
// SDL and SDL_mixer, loaded when the sound device is first opened rather than when the
// program starts: the synthesizer and the libraries it brings take longer to load than
// the first window takes to show. Without them the game is simply silent.
#include <SDL.h>
#include <SDL_mixer.h>

struct MixerLibrary {
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_SetHintWithPriority) SetHintWithPriority;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_PeepEvents) PeepEvents;
    decltype(&::SDL_FlushEvents) FlushEvents;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_CreateThread) CreateThread;
    decltype(&::SDL_WaitThread) WaitThread;
    decltype(&::Mix_Init) Init;
    decltype(&::Mix_Quit) Quit;
    decltype(&::Mix_OpenAudio) OpenAudio;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_SetSoundFonts) SetSoundFonts;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_HaltChannel) HaltChannel;
    decltype(&::Mix_Playing) Playing;
    decltype(&::Mix_HasMusicDecoder) HasMusicDecoder;
    decltype(&::Mix_LoadMUSType_RW) LoadMUSType_RW;
    decltype(&::Mix_FreeMusic) FreeMusic;
    decltype(&::Mix_PlayMusic) PlayMusic;
    decltype(&::Mix_PauseMusic) PauseMusic;
    decltype(&::Mix_ResumeMusic) ResumeMusic;
    decltype(&::Mix_HaltMusic) HaltMusic;
    decltype(&::Mix_PlayingMusic) PlayingMusic;
    decltype(&::Mix_HookMusicFinished) HookMusicFinished;

    // Loads the libraries on the first call, from any thread; null when they are missing.
    static const MixerLibrary* load();
};

// The loaded library. Only for code that runs once the sound device has been opened,
// which implies a successful load().
const MixerLibrary& mixer();
