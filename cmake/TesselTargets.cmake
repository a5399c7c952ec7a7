# Shared settings for the project's targets.

function(tessel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(TESSEL_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A logic library: plain C++ that must never include a Qt header. The check runs
# as part of the build, so a Qt include fails the build with the file named.
function(tessel_logic_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  tessel_warnings(${target})
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE absolute_sources)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}.no-qt
    COMMAND ${CMAKE_COMMAND} -DDIR=${CMAKE_CURRENT_SOURCE_DIR} -DSTAMP=${CMAKE_CURRENT_BINARY_DIR}/${target}.no-qt
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake
    DEPENDS ${absolute_sources} ${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake
    COMMENT "Checking that ${target} includes no Qt header")
  add_custom_target(${target}_no_qt DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${target}.no-qt)
  add_dependencies(${target} ${target}_no_qt)
endfunction()
