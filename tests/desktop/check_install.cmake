# Installs into a staging prefix and checks that every desktop file landed in its standard place.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
set(expected
  bin/kinscribe
  share/applications/kinscribe.desktop
  share/metainfo/io.example.Kinscribe.metainfo.xml
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
