# Wave output and MIDI player on SDL2_mixer.
add_library(zelto_platform_sound STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MixerLibrary.cpp ${CMAKE_CURRENT_LIST_DIR}/MixerLibrary.h
  ${CMAKE_CURRENT_LIST_DIR}/MixerDevice.cpp ${CMAKE_CURRENT_LIST_DIR}/MixerDevice.h
  ${CMAKE_CURRENT_LIST_DIR}/WaveImage.cpp ${CMAKE_CURRENT_LIST_DIR}/WaveImage.h
  ${CMAKE_CURRENT_LIST_DIR}/MixerWaveOutput.cpp ${CMAKE_CURRENT_LIST_DIR}/MixerWaveOutput.h
  ${CMAKE_CURRENT_LIST_DIR}/MixerMusicPlayer.cpp ${CMAKE_CURRENT_LIST_DIR}/MixerMusicPlayer.h
)
target_include_directories(zelto_platform_sound PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# SDL_mixer is loaded at run time (MixerLibrary): only its headers are used here.
target_include_directories(zelto_platform_sound PUBLIC
  $<TARGET_PROPERTY:PkgConfig::SDL2_MIXER,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(zelto_platform_sound PUBLIC Qt6::Core zelto_platform zelto_audio
  PRIVATE ${CMAKE_DL_LIBS})
