# Configures the planted project (PLANT=ON or OFF) and runs the LayerOrder test's own
# report step on it. Clean, the step must pass; planted, it must fail and name every
# planted use.
set(expected
  "low/low_lib uses high/high_lib, a higher layer"
  "low/low_waiter uses high/high_lib, a higher layer"
  "high/high_lib uses tool/tool_lib, which is beside the layers")

file(REMOVE_RECURSE ${BINARY})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -DPLANT=${PLANT} -DCHECK_DIR=${CHECK_DIR}
  RESULT_VARIABLE configured OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "The planted project did not configure:\n${log}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -DREPORT=${BINARY}/layer-violations.txt -P ${CHECK_DIR}/LayerReport.cmake
  RESULT_VARIABLE verdict OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT PLANT)
  if(NOT verdict EQUAL 0)
    message(FATAL_ERROR "The check failed a clean project:\n${said}")
  endif()
  return()
endif()
if(verdict EQUAL 0)
  message(FATAL_ERROR "The check passed the planted upward uses:\n${said}")
endif()
file(READ ${BINARY}/layer-violations.txt report)
foreach(line IN LISTS expected)
  string(FIND "${report}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Not reported: ${line}\nReport:\n${report}")
  endif()
endforeach()
string(REGEX MATCHALL "\n" lines "${report}")
list(LENGTH lines count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
  message(FATAL_ERROR "Reported more than was planted:\n${report}")
endif()
