# Writes the CTest file of the short fuzz runs from the program's list of
# targets (run after each build of the program).
execute_process(COMMAND ${FUZZ} list OUTPUT_VARIABLE targets RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZ} list failed")
endif()
string(REGEX REPLACE " [0-9]+\n" ";" targets "${targets}")
set(tests "")
foreach(target IN LISTS targets)
  if(target)
    string(APPEND tests "add_test(fuzz_${target} \"${RUNNER}\" run ${target} ${SECONDS})\n"
           "set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 120 ENVIRONMENT TARVENOL_FUZZ_BUILD=${BUILD})\n")
  endif()
endforeach()
file(WRITE ${OUT} "${tests}")
