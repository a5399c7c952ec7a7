# Fails when a source or header directly in DIR (not in its ui/ or platform/
# folders, which are the Qt front ends) includes a Qt header.
file(GLOB sources ${DIR}/*.h ${DIR}/*.cpp ${DIR}/*/*.h ${DIR}/*/*.cpp)
foreach(source IN LISTS sources)
  if(source MATCHES "/(ui|platform)/")
    continue()
  endif()
  file(STRINGS ${source} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "${source} includes a Qt header, but its library must stay free of Qt:\n${hits}")
  endif()
endforeach()
file(TOUCH ${STAMP})
