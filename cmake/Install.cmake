# cmake --install: the program's folder with everything the program finds
# beside its executable, launchers on the PATH, a desktop entry and an icon.
#
#   PREFIX/lib/primorator/   executables, kernel libraries, prmr.dat, pages
#   PREFIX/bin/              launchers that exec the program in that folder
#   PREFIX/share/applications/primorator.desktop
#   PREFIX/share/icons/hicolor/scalable/apps/primorator.svg
#   PREFIX/share/bash-completion/completions/primorator-cli
#
# The program loads its kernels and texts from its own folder, so they are
# installed there and not as system libraries.

set(PRIMORATOR_INSTALL_PROGRAM_DIR "lib/primorator" CACHE STRING
  "Program folder below the installation prefix")
set(PRIMORATOR_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(PRIMORATOR_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

foreach(program IN ITEMS primorator primorator-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${PRIMORATOR_INSTALL_PROGRAM_DIR})
  endif()
endforeach()

# The libraries the programs open by name from their folder.
foreach(kernel IN ITEMS numkern txtbank lsqkern primorator-image)
  if(TARGET ${kernel})
    install(TARGETS ${kernel} LIBRARY DESTINATION ${PRIMORATOR_INSTALL_PROGRAM_DIR})
  endif()
endforeach()

# The same files that the build copies beside the executables.
get_directory_property(primorator_data_files DIRECTORY ${PROJECT_SOURCE_DIR}/data
  DEFINITION PRIMORATOR_DATA_FILES)
list(TRANSFORM primorator_data_files PREPEND ${PROJECT_SOURCE_DIR}/data/)
install(FILES ${primorator_data_files} DESTINATION ${PRIMORATOR_INSTALL_PROGRAM_DIR})

# Launchers find the program folder relative to themselves.
file(RELATIVE_PATH PRIMORATOR_BIN_TO_PROGRAM_DIR
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${PRIMORATOR_INSTALL_PROGRAM_DIR})
foreach(PRIMORATOR_PROGRAM IN ITEMS primorator primorator-cli)
  if(TARGET ${PRIMORATOR_PROGRAM})
    configure_file(${PRIMORATOR_PACKAGING_DIR}/launcher.sh.in
      ${PRIMORATOR_PACKAGING_OUT}/${PRIMORATOR_PROGRAM} @ONLY)
    install(PROGRAMS ${PRIMORATOR_PACKAGING_OUT}/${PRIMORATOR_PROGRAM}
      DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The desktop entry names the launcher by its full path, which is known only
# when the prefix is (cmake --install --prefix may change it).
install(CODE "
  get_filename_component(primorator_prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
  set(PRIMORATOR_LAUNCHER \"\${primorator_prefix}/${CMAKE_INSTALL_BINDIR}/primorator\")
  configure_file(\"${PRIMORATOR_PACKAGING_DIR}/primorator.desktop.in\"
    \"${PRIMORATOR_PACKAGING_OUT}/primorator.desktop\" @ONLY)
")
install(FILES ${PRIMORATOR_PACKAGING_OUT}/primorator.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PRIMORATOR_PACKAGING_DIR}/primorator.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PRIMORATOR_PACKAGING_DIR}/primorator-cli.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME primorator-cli)
