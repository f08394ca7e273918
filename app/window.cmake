# The main window and the program.
add_library(zelto_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PlainSkin.cpp ${CMAKE_CURRENT_LIST_DIR}/PlainSkin.h
  ${CMAKE_CURRENT_LIST_DIR}/QuitQuestionBox.cpp ${CMAKE_CURRENT_LIST_DIR}/QuitQuestionBox.h
  ${CMAKE_CURRENT_LIST_DIR}/UnitPrincipal.cpp ${CMAKE_CURRENT_LIST_DIR}/UnitPrincipal.h
)
target_include_directories(zelto_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zelto_window PUBLIC
  Qt6::Widgets zelto_rules zelto_config_ui zelto_skin_ui zelto_audio_ui zelto_about)

add_executable(zelto2000 ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(zelto2000 PRIVATE zelto_window zelto_platform_sound)
set_target_properties(zelto2000 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(TARGET zelto_appdir)
  add_dependencies(zelto2000 zelto_appdir)
endif()
