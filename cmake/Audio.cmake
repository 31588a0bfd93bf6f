# The game's audio on SDL2_mixer: the sound effects, compiled in as
# resources, and the background music with its hidden window.
qt_add_resources(wallwright_audio_resources ${CMAKE_SOURCE_DIR}/resources/sounds.qrc)

add_library(wallwright_audio STATIC
  app/audio/Audiodevice.cpp
  app/audio/Sdlsoundplayer.cpp
  app/audio/Mediaplayer.cpp
  app/audio/Idleevent.cpp
  app/audio/Musicform.cpp
  ${wallwright_audio_resources}
)
target_include_directories(wallwright_audio PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(wallwright_audio PUBLIC wallwright_ui PRIVATE PkgConfig::SDL2_MIXER PkgConfig::FLUIDSYNTH)

# Called here too: the top level enables testing only after this file.
enable_testing()
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/audio ${CMAKE_BINARY_DIR}/tests/audio)
