# The Qt side of the platform: surfaces, windows, dialogs, the loop.
add_library(kirabo_platform_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/marks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_hold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/i18n.cpp)
target_link_libraries(kirabo_platform_qt PUBLIC kirabo_platform_core Qt6::Widgets Qt6::Gui Qt6::Core)
kirabo_warnings(kirabo_platform_qt)
include(${CMAKE_SOURCE_DIR}/i18n/i18n.cmake)
