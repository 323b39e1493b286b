# Adds every direct subfolder of the current source folder that has a CMakeLists.txt,
# so a new feature folder needs no edit of its parent.
function(kinscribe_add_subdirs)
  set(skip ${ARGN})
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(NOT child IN_LIST skip AND IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# kinscribe_add_test(NAME <name> SOURCES <files...> [WINDOWS] [CORE] [LIBS <libs...>])
# Builds a Qt Test executable and registers it with CTest under the offscreen platform.
# CORE tests link the support without widgets (temp files, corpus path); the others also get
# TestProgram and ScriptedDialogs.
# WINDOWS tests are registered a second time to run on a real X server with a window
# manager (Xvfb + openbox), where activation, focus and message boxes behave as on a desktop.
function(kinscribe_add_test)
  cmake_parse_arguments(T "WINDOWS;CORE" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_CORE)
    target_link_libraries(${T_NAME} PRIVATE kinscribe_testsupport_core ${T_LIBS})
  else()
    target_link_libraries(${T_NAME} PRIVATE kinscribe_testsupport ${T_LIBS})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KINSCRIBE_SOURCE_DIR=${PROJECT_SOURCE_DIR};KINSCRIBE_RTF_CORPUS=${KINSCRIBE_RTF_CORPUS_DIR}"
    TIMEOUT 300)
  if(T_WINDOWS)
    add_test(NAME ${T_NAME}_xcb COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-desktop $<TARGET_FILE:${T_NAME}>)
    set_tests_properties(${T_NAME}_xcb PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=xcb;KINSCRIBE_SOURCE_DIR=${PROJECT_SOURCE_DIR};KINSCRIBE_RTF_CORPUS=${KINSCRIBE_RTF_CORPUS_DIR}"
      TIMEOUT 300 LABELS desktop
      # Real key presses and window-manager activation are timing-sensitive: give them the machine.
      RUN_SERIAL TRUE)
  endif()
endfunction()
