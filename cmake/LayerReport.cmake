# Fails when the configure step found a link against the layer order (LayerCheck.cmake).
file(READ ${REPORT} violations)
if(violations)
  message(FATAL_ERROR "Links against the layer order:\n${violations}")
endif()
message(STATUS "Every folder links only the folders below it")
