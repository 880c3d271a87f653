# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -P check_install.cmake
#
# Installs the build into PREFIX and checks what a desktop needs: the program, its
# menu entry, icon and AppStream description in their standard places, each valid
# where the validating tools are present, and that the installed program starts.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program "${PREFIX}/bin/zentaro")
set(desktop "${PREFIX}/share/applications/zentaro.desktop")
set(metainfo "${PREFIX}/share/metainfo/org.example.zentaro.metainfo.xml")
foreach(file "${program}" "${desktop}" "${metainfo}"
        "${PREFIX}/share/icons/hicolor/scalable/apps/zentaro.svg"
        "${PREFIX}/share/fontconfig/conf.avail/60-zentaro-fonts.conf")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS "${desktop}" exec REGEX "^Exec=")
file(STRINGS "${desktop}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=zentaro" OR NOT icon STREQUAL "Icon=zentaro")
  message(FATAL_ERROR "the menu entry does not start the installed program with its icon: ${exec} ${icon}")
endif()
file(READ "${metainfo}" description)
if(NOT description MATCHES "<launchable type=\"desktop-id\">zentaro.desktop</launchable>")
  message(FATAL_ERROR "the AppStream description does not name the menu entry")
endif()

find_program(appstreamcli appstreamcli)
if(appstreamcli)
  execute_process(COMMAND "${appstreamcli}" validate --no-net --pedantic "${metainfo}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${output}")
  endif()
else()
  message(STATUS "appstreamcli not found: AppStream description not validated")
endif()
find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND "${desktop_file_validate}" "${desktop}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: menu entry not validated")
endif()

# The installed program shows its first window and leaves.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ZENTARO_QUIT_WHEN_SHOWN=1 "${program}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program did not start: ${result} ${output}")
endif()
