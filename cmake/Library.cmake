# One static library per subsystem folder. Sources are picked up from the
# folder (and its src/), so adding a file needs no edit here.
function(vq_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;INCLUDES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  # A folder's main.cpp is a program's entry, not part of its library.
  list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${ARG_INCLUDES})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR} ${ARG_INCLUDES})
  endif()
endfunction()
