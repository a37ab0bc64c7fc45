# Music and sound effects.
#
#   kirabo_midi    the note-data reader and MIDI writer; kirabo-midi, the tool
#                  that writes the four tunes beside the program at build time
#   kirabo_audio   the music player and the effects over SDL2_mixer (silent
#                  when SDL2_mixer is not available at build time)
include(GNUInstallDirs)

add_library(kirabo_midi STATIC tools/midi/score.cpp tools/midi/smf.cpp)
kirabo_warnings(kirabo_midi)
add_executable(kirabo-midi tools/midi/main.cpp)
target_link_libraries(kirabo-midi PRIVATE kirabo_midi)
set_target_properties(kirabo-midi PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
kirabo_warnings(kirabo-midi)

set(KIRABO_TUNES title kirabo kyouwa kyoutu)
set(tune_files "")
foreach(tune ${KIRABO_TUNES})
  set(score ${CMAKE_SOURCE_DIR}/assets/music/${tune}.score)
  set(out ${CMAKE_BINARY_DIR}/${tune}.mid)
  add_custom_command(OUTPUT ${out}
    COMMAND kirabo-midi ${score} ${out}
    DEPENDS kirabo-midi ${score}
    COMMENT "Writing ${tune}.mid"
    VERBATIM)
  list(APPEND tune_files ${out})
endforeach()
add_custom_target(kirabo_music ALL DEPENDS ${tune_files})
# Installed with the program's data; the player also looks there.
install(FILES ${tune_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/kirabo)

find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(KIRABO_SDL_MIXER IMPORTED_TARGET sdl2 SDL2_mixer)
endif()
if(KIRABO_SDL_MIXER_FOUND)
  add_library(kirabo_audio STATIC platform/audio.cpp app/music.cpp)
  target_link_libraries(kirabo_audio PRIVATE PkgConfig::KIRABO_SDL_MIXER)
else()
  message(WARNING "SDL2_mixer not found: the program will be silent")
  add_library(kirabo_audio STATIC platform/audio_silent.cpp app/music.cpp)
endif()
target_link_libraries(kirabo_audio PUBLIC kirabo_sounds kirabo_shell_core kirabo_platform_core)
kirabo_warnings(kirabo_audio)
