# Installs the build into a scratch folder as a package would (DESTDIR, prefix /usr) and
# checks that everything a desktop user needs is in its standard place and that the
# installed programs answer --version without a display.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DWITH_APP=ON|OFF -DWITH_MAN=ON|OFF -P check_install.cmake

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(root ${WORK_DIR}/usr)
set(expected
    bin/vostrel-cli
    share/vostrel/guide/index.md
    share/vostrel/guide/output-window.md
    share/vostrel/examples/fill_weights.vos
    share/vostrel/examples/fill_weights.dat
    share/doc/vostrel/README.md)
if(WITH_APP)
  list(APPEND expected
       bin/vostrel
       share/applications/vostrel.desktop
       share/icons/hicolor/scalable/apps/vostrel.svg
       share/icons/hicolor/scalable/mimetypes/application-x-vostrel-config.svg
       share/mime/packages/vostrel.xml)
endif()
if(WITH_MAN)
  list(APPEND expected share/man/man1/vostrel-cli.1.gz)
  if(WITH_APP)
    list(APPEND expected share/man/man1/vostrel.1.gz)
  endif()
endif()

set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${root}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The desktop entry starts the installed program and claims the configuration files.
if(WITH_APP)
  file(READ ${root}/share/applications/vostrel.desktop entry)
  foreach(line "Exec=vostrel %f" "Icon=vostrel" "MimeType=application/x-vostrel-config;")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "vostrel.desktop lacks \"${line}\"")
    endif()
  endforeach()
  file(READ ${root}/share/mime/packages/vostrel.xml mime)
  string(FIND "${mime}" "<glob pattern=\"*.vos\"/>" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the MIME entry does not claim *.vos")
  endif()
endif()

# The installed programs run from their place, without a display.
set(programs vostrel-cli)
if(WITH_APP)
  list(APPEND programs vostrel)
endif()
foreach(program ${programs})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${root}/bin/${program} --version
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output MATCHES "^${program} \\(Vostrel\\) [0-9]+\\.[0-9]+")
    message(FATAL_ERROR "${program} --version gave status ${status}: ${output}${errors}")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
