# Fails when the configure step found a use against the layer order (LayerCheck.cmake).
file(READ ${REPORT} violations)
if(violations)
  message(FATAL_ERROR "Uses against the layer order:\n${violations}")
endif()
message(STATUS "Every layer uses only the layers below it")
