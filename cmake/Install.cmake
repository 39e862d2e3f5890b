# Installation as a Linux desktop program (GNU directory layout) and the Debian package.

# The release number the programs print with --version.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/engine/core/version.h VOSTREL_VERSION_LINE
     REGEX "kProgramVersion\\[\\] = \"[^\"]+\"")
string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" VOSTREL_VERSION "${VOSTREL_VERSION_LINE}")

set(VOSTREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vostrel)
set(VOSTREL_PROGRAMS vostrel-cli)
if(VOSTREL_BUILD_APP)
  list(APPEND VOSTREL_PROGRAMS vostrel)
endif()

install(TARGETS ${VOSTREL_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide DESTINATION ${VOSTREL_DATA_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/images)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${VOSTREL_DATA_DIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${VOSTREL_DATA_DIR}/examples)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vostrel)

if(VOSTREL_BUILD_APP)
  set(packaging ${PROJECT_SOURCE_DIR}/packaging)
  install(FILES ${packaging}/vostrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/vostrel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${packaging}/vostrel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-vostrel-config.svg)
  install(FILES ${packaging}/vostrel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME vostrel.xml)
endif()

# Manual pages made from the programs' own --help and --version.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP)
  set(man_pages)
  foreach(program ${VOSTREL_PROGRAMS})
    if(program STREQUAL "vostrel")
      set(summary "process performance analysis for the desktop")
    else()
      set(summary "process performance analysis from the command line")
    endif()
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${summary}
              --include=${PROJECT_SOURCE_DIR}/packaging/${program}.h2m
              --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9 -n -f ${page}
      DEPENDS ${program} ${PROJECT_SOURCE_DIR}/packaging/${program}.h2m
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND man_pages ${page}.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man was not found: the manual pages are not made (scripts/setup installs it)")
endif()

# cpack -G DEB: a Debian package whose dependencies are the Debian runtime packages of the
# libraries the programs link (found by dpkg-shlibdeps), plus the Qt plugins they load.
set(CPACK_PACKAGE_NAME vostrel)
set(CPACK_PACKAGE_VENDOR "ZQX Zudizuzo")
set(CPACK_PACKAGE_VERSION ${VOSTREL_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "process performance analysis")
set(CPACK_PACKAGE_DESCRIPTION
    "Vostrel studies how well a process meets its specification limits and where its\n"
    "variation comes from: descriptive statistics, short-term standard deviation, process\n"
    "stream tables, variance components about the target and the indices Pp, Ppk, Ppm,\n"
    "Pp(Stream) and Cp(pot), with control charts, box plots, histograms and frequency\n"
    "tables. The package holds the desktop program, the command-line tool vostrel-cli,\n"
    "the user guide and example files.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vostrel developers <vostrel@zudizuzo.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(VOSTREL_BUILD_APP)
  # Plugins are loaded, not linked: the platform plugins, and the SVG plugins for icons.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation")
endif()
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zudizuzo.example/vostrel/")
include(CPack)
