# Manual pages made from the programs' own --help and --version by help2man,
# so that they cannot drift from the programs: build/man/*.1.gz, installed
# under share/man/man1.

find_program(PRIMORATOR_HELP2MAN help2man)
if(NOT PRIMORATOR_HELP2MAN)
  message(STATUS "help2man not found: no manual pages (scripts/install-deps.sh installs it)")
  return()
endif()
find_program(PRIMORATOR_GZIP gzip REQUIRED)

set(PRIMORATOR_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(primorator_pages)
foreach(program IN ITEMS primorator primorator-cli)
  if(NOT TARGET ${program})
    continue()
  endif()
  if(program STREQUAL "primorator")
    set(summary "explore the prime factorisation of the integers up to 2,147,483,646")
  else()
    set(summary "factor, list and count primes of a range, without a window")
  endif()
  set(page ${PRIMORATOR_MAN_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PRIMORATOR_MAN_DIR}
    COMMAND ${PRIMORATOR_HELP2MAN} --no-info --section=1 --source=Primorator
            --name=${summary} --output=${page} $<TARGET_FILE:${program}>
    COMMAND ${PRIMORATOR_GZIP} -9nf ${page}
    DEPENDS ${program}
    COMMENT "Manual page of ${program}"
    VERBATIM)
  list(APPEND primorator_pages ${page}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${primorator_pages})
install(FILES ${primorator_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
