# The images of the current resolution and the table surfaces, shared by the
# shell and both games' tables.
add_library(kirabo_display STATIC ${CMAKE_CURRENT_LIST_DIR}/display.cpp)
target_link_libraries(kirabo_display PUBLIC kirabo_assets kirabo_platform_qt kirabo_shell_core)
kirabo_warnings(kirabo_display)

# The window program: the shell over the Qt platform. Everything but main()
# is a library, so tests drive the same code offscreen.
set(app_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(kirabo_app STATIC
  ${app_dir}/about.cpp ${app_dir}/commands.cpp ${app_dir}/display_options.cpp ${app_dir}/games.cpp ${app_dir}/language.cpp
  ${app_dir}/main_window.cpp ${app_dir}/preferences.cpp ${app_dir}/records_dialog.cpp ${app_dir}/settings_dialog.cpp
  ${app_dir}/startup.cpp ${app_dir}/window_shell.cpp ${app_dir}/resume.cpp
  ${app_dir}/help/help.cpp ${app_dir}/help/help_book.cpp ${app_dir}/help/help_intro.cpp
  ${app_dir}/help/help_cards.cpp ${app_dir}/help/help_koikoi.cpp ${app_dir}/help/help_hanaawase.cpp
  ${app_dir}/help/help_controls.cpp ${app_dir}/help/help_credits.cpp
  ${app_dir}/help/help_english_games.cpp ${app_dir}/help/help_english_program.cpp)
target_link_libraries(kirabo_app PUBLIC kirabo_display kirabo_shell_core kirabo_assets kirabo_platform_qt kirabo_cards)
# Each game's table, when built in, brings its front end.
if(TARGET kirabo_koikoi_ui)
  target_link_libraries(kirabo_app PUBLIC kirabo_koikoi_ui)
  target_compile_definitions(kirabo_app PRIVATE KIRABO_HAS_KOIKOI_UI)
endif()
if(TARGET kirabo_hanaawase_ui)
  target_link_libraries(kirabo_app PUBLIC kirabo_hanaawase_ui)
  target_compile_definitions(kirabo_app PRIVATE KIRABO_HAS_HANAAWASE_UI)
endif()
if(TARGET kirabo_audio)
  target_link_libraries(kirabo_app PUBLIC kirabo_audio)
else()
  target_sources(kirabo_app PRIVATE ${app_dir}/music_silent.cpp)
endif()
target_link_libraries(kirabo_app PUBLIC kirabo_koikoi kirabo_hanaawase kirabo_kept_game)
kirabo_warnings(kirabo_app)

# The maker's home page (menu 40024 and the table's label); empty opens About.
set(KIRABO_HOME_PAGE "" CACHE STRING "address of Kirabo's home page")
target_compile_definitions(kirabo_app PRIVATE KIRABO_HOME_PAGE="${KIRABO_HOME_PAGE}")

add_executable(kirabo ${app_dir}/main.cpp)
target_link_libraries(kirabo PRIVATE kirabo_app)
set_target_properties(kirabo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# Read-only relocations after start-up, as distributions build their programs.
target_link_options(kirabo PRIVATE -Wl,-z,relro,-z,now)
kirabo_warnings(kirabo)
# Installed under /usr (the .deb) the game goes where Debian keeps games,
# /usr/games; under any other prefix into its bin/. Decided when installing,
# since the prefix may be given only then.
install(CODE [[
  set(kirabo_game_dir bin)
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(kirabo_game_dir games)
  endif()
]])
install(TARGETS kirabo RUNTIME DESTINATION \${kirabo_game_dir})
