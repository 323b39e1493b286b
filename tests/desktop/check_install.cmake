# Installs into a staging prefix and checks that every desktop file landed in its standard place.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
set(expected
  bin/kinscribe
  share/applications/io.example.kinscribe.desktop
  share/metainfo/io.example.kinscribe.metainfo.xml
  share/doc/kinscribe/copyright
  share/doc/kinscribe/changelog.gz
  share/man/man1/kinscribe.1.gz
  share/icons/hicolor/scalable/apps/kinscribe.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kinscribe.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
message(STATUS "all ${CMAKE_MATCH_COUNT}installed files present")

# Software centres find the menu entry through the component id: both must name the same file.
file(READ ${PREFIX}/share/metainfo/io.example.kinscribe.metainfo.xml metainfo)
string(REGEX MATCH "<id>([^<]+)</id>" _ "${metainfo}")
set(id ${CMAKE_MATCH_1})
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL "${id}.desktop" OR NOT EXISTS ${PREFIX}/share/applications/${id}.desktop)
  message(FATAL_ERROR "component id ${id} and launchable ${CMAKE_MATCH_1} name different desktop files")
endif()
