# The desktop's file-type registry (freedesktop.org mimeapps.list and .desktop files)
# and a launcher that starts a program directly, without a shell.
add_library(zelto_platform_web STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DesktopFile.cpp ${CMAKE_CURRENT_LIST_DIR}/DesktopFile.h
  ${CMAKE_CURRENT_LIST_DIR}/ExecLine.cpp ${CMAKE_CURRENT_LIST_DIR}/ExecLine.h
  ${CMAKE_CURRENT_LIST_DIR}/MimeAppsLookup.cpp ${CMAKE_CURRENT_LIST_DIR}/MimeAppsLookup.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramStarter.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgramStarter.h
)
target_include_directories(zelto_platform_web PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zelto_platform_web PUBLIC Qt6::Core)
