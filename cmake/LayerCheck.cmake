# The folders of the game are layers, listed from the bottom up: every target of a
# layer may use (link, or wait for through add_dependencies) the targets of its own
# layer and of the layers below it, never of a layer above it. Every other folder of
# the project (the data tool, tests, benchmarks, packaging) sits beside the layers: it
# may use any layer, and a layer may only wait for the files one of its custom targets
# writes (the data tool's pictures and application directory), never link its code.
#
# zelto_check_layers(<folder>...) writes every use against this order, one per line, to
# <build>/layer-violations.txt and adds the LayerOrder test, which fails while there is
# one (LayerReport.cmake).

# The targets a link item names: plain names, and those inside generator expressions
# such as $<LINK_ONLY:name>; files, flags and imported targets are no targets of ours.
function(zelto_named_targets item out)
  set(found "")
  string(REGEX REPLACE "\\$<[A-Za-z_]+:" " " bare "${item}")
  string(REGEX MATCHALL "[A-Za-z0-9_.+:-]+" words "${bare}")
  foreach(word IN LISTS words)
    if(TARGET "${word}")
      get_target_property(imported "${word}" IMPORTED)
      if(NOT imported)
        get_target_property(real "${word}" ALIASED_TARGET)
        if(real)
          set(word "${real}")
        endif()
        list(APPEND found "${word}")
      endif()
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The top folder a target was made in ("" for the project's own CMakeLists.txt).
function(zelto_folder_of target out)
  get_target_property(dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${dir}")
  string(REGEX REPLACE "/.*" "" folder "${relative}")
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

# Every target made in `dir` and the folders below it.
function(zelto_targets_below dir out)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    zelto_targets_below("${subdir}" more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} "${targets}" PARENT_SCOPE)
endfunction()

# What `target` uses: its links, private and public, and its add_dependencies.
function(zelto_used_targets target out)
  set(used "")
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES MANUALLY_ADDED_DEPENDENCIES)
    get_target_property(items ${target} ${property})
    if(NOT items)
      continue()
    endif()
    foreach(item IN LISTS items)
      zelto_named_targets("${item}" named)
      list(APPEND used ${named})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES used)
  set(${out} "${used}" PARENT_SCOPE)
endfunction()

# The uses of one target of layer `own` that break the order, one line each.
function(zelto_layer_violations target own layers out)
  set(lines "")
  zelto_folder_of(${target} folder)
  zelto_used_targets(${target} used)
  foreach(dep IN LISTS used)
    zelto_folder_of(${dep} dep_folder)
    list(FIND layers "${dep_folder}" dep_layer)
    if(dep_layer GREATER own)
      string(APPEND lines "${folder}/${target} uses ${dep_folder}/${dep}, a higher layer\n")
    elseif(dep_layer EQUAL -1)
      get_target_property(type ${dep} TYPE)
      if(NOT type STREQUAL "UTILITY")
        string(APPEND lines
          "${folder}/${target} uses ${dep_folder}/${dep}, which is beside the layers\n")
      endif()
    endif()
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

function(zelto_check_layers)
  set(layers ${ARGN})
  set(violations "")
  foreach(folder IN LISTS layers)
    list(FIND layers ${folder} own)
    zelto_targets_below("${PROJECT_SOURCE_DIR}/${folder}" targets)
    foreach(target IN LISTS targets)
      zelto_layer_violations(${target} ${own} "${layers}" lines)
      string(APPEND violations "${lines}")
    endforeach()
  endforeach()
  set(report ${PROJECT_BINARY_DIR}/layer-violations.txt)
  file(WRITE ${report} "${violations}")
  if(violations)
    message(WARNING "Uses against the layer order:\n${violations}")
  endif()
  if(BUILD_TESTING)
    add_test(NAME LayerOrder
      COMMAND ${CMAKE_COMMAND} -DREPORT=${report} -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/LayerReport.cmake)
    set_tests_properties(LayerOrder PROPERTIES LABELS unit)
  endif()
endfunction()
