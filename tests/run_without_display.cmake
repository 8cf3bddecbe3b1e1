# Starts the program with no display, or one that cannot be reached, and
# expects one plain sentence instead of Qt's abort.
foreach(display "" ":65000")
  if(display STREQUAL "")
    set(environment --unset=DISPLAY)
  else()
    set(environment DISPLAY=${display})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${environment}
                          ${PROGRAM}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
  if(NOT code EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^Sparvik needs a graphical display[^\n]*xvfb-run[^\n]*\n$")
    message(FATAL_ERROR "display '${display}': exit ${code}, printed:\n${out}${err}")
  endif()
endforeach()
