# cmake --install puts the editor where a desktop finds it: the program, its
# menu entry, its icon in the sizes menus and file managers ask for, and the
# type of its library files, so that opening such a file starts the editor.
include(GNUInstallDirs)

install(TARGETS vq700z-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The menu entry names the program by its full path, which is known only
# once the prefix is: a desktop session need not have the prefix's bin on PATH.
install(CODE "
  set(vq_bindir \"${CMAKE_INSTALL_BINDIR}\")
  set(vq_datadir \"${CMAKE_INSTALL_DATADIR}\")
  set(vq_entry_template \"${PROJECT_SOURCE_DIR}/resources/desktop/vq700z-editor.desktop.in\")
")
install(CODE [[
  set(VQ_EDITOR_PATH "${CMAKE_INSTALL_PREFIX}/${vq_bindir}/vq700z-editor")
  set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${vq_datadir}/applications/vq700z-editor.desktop")
  message(STATUS "Installing: ${entry}")
  configure_file("${vq_entry_template}" "${entry}" @ONLY)
]])
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vq700z-editor.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(installed_icons)
foreach(size 48 128 256)
  set(icon ${VQ_GENERATED_DIR}/icon/hicolor/${size}/vq700z-editor.png)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VQ_GENERATED_DIR}/icon/hicolor/${size}
    COMMAND icon_generator ${size} ${icon}
    DEPENDS icon_generator
    COMMENT "Drawing the ${size} pixel desktop icon"
    VERBATIM)
  list(APPEND installed_icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vq_desktop_icons ALL DEPENDS ${installed_icons})

# The desktop's caches learn of the new entry and type where their tools exist.
install(CODE [[
  set(data "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${vq_datadir}")
  find_program(update_mime update-mime-database)
  if(update_mime)
    execute_process(COMMAND ${update_mime} "${data}/mime")
  endif()
  find_program(update_desktop update-desktop-database)
  if(update_desktop)
    execute_process(COMMAND ${update_desktop} "${data}/applications")
  endif()
]])
