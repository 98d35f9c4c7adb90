# Embeds the files a manifest names into an object library that registers
# them with the platform's resource functions when the program starts.
add_executable(embed_resources ${PROJECT_SOURCE_DIR}/tools/embed_resources.cpp)
# The tool runs during the build; sanitizers would only slow it down.
target_compile_options(embed_resources PRIVATE -fno-sanitize=all)
target_link_options(embed_resources PRIVATE -fno-sanitize=all)

# Files made during the build live here; a manifest names them with the
# prefix "@generated/". Generators hang their targets under vq_generated so
# that embedding waits for them, whatever the order of the folders.
set(VQ_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
add_custom_target(vq_generated)

# vq_embed_resources(target manifest...): paths in a manifest are relative
# to its own folder, or to VQ_GENERATED_DIR after "@generated/".
function(vq_embed_resources target)
  set(manifests ${ARGN})
  set(files)
  set(uses_generated FALSE)
  foreach(manifest IN LISTS manifests)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
    get_filename_component(base_dir ${manifest} DIRECTORY)
    file(STRINGS ${manifest} lines)
    foreach(line IN LISTS lines)
      string(STRIP "${line}" line)
      if(line STREQUAL "" OR line MATCHES "^#")
        continue()
      endif()
      string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
      list(GET fields 3 path)
      if(path MATCHES "^@generated/(.*)")
        list(APPEND files ${VQ_GENERATED_DIR}/${CMAKE_MATCH_1})
        set(uses_generated TRUE)
      else()
        list(APPEND files ${base_dir}/${path})
      endif()
    endforeach()
  endforeach()
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.S)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp)
  add_custom_command(
    OUTPUT ${asm} ${cpp}
    COMMAND embed_resources ${target} ${asm} ${cpp} --generated=${VQ_GENERATED_DIR} ${manifests}
    DEPENDS embed_resources ${manifests} ${files}
    COMMENT "Embedding resources"
    VERBATIM)
  add_library(${target} OBJECT ${asm} ${cpp})
  target_link_libraries(${target} PUBLIC vq_platform)
  if(uses_generated)
    add_dependencies(${target} vq_generated)
  endif()
endfunction()
