# Embeds the files a manifest names into an object library that registers
# them with the platform's resource functions when the program starts.
add_executable(embed_resources ${PROJECT_SOURCE_DIR}/tools/embed_resources.cpp)
# The tool runs during the build; sanitizers would only slow it down.
target_compile_options(embed_resources PRIVATE -fno-sanitize=all)
target_link_options(embed_resources PRIVATE -fno-sanitize=all)

function(vq_embed_resources target manifest base_dir)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
  file(STRINGS ${manifest} lines)
  set(files)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
    list(GET fields 3 path)
    list(APPEND files ${base_dir}/${path})
  endforeach()
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.S)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp)
  add_custom_command(
    OUTPUT ${asm} ${cpp}
    COMMAND embed_resources ${manifest} ${base_dir} ${target} ${asm} ${cpp}
    DEPENDS embed_resources ${manifest} ${files}
    COMMENT "Embedding the resources of ${manifest}"
    VERBATIM)
  add_library(${target} OBJECT ${asm} ${cpp})
  target_link_libraries(${target} PUBLIC vq_platform)
endfunction()
