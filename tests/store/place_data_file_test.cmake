# Runs the placement step on small stand-in files and checks that a data file
# a player has used is never replaced.
#   cmake -DSCRIPT=…/place_data_file.cmake -DWORK=<empty folder> -P place_data_file_test.cmake
set(shipped "${WORK}/shipped.dat")
set(target "${WORK}/bin/Tsubakiya.dat")
set(stamp "${WORK}/placed")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(place)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSHIPPED=${shipped} -DTARGET=${target} -DSTAMP=${stamp} -P ${SCRIPT}
                  RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "placement failed: ${rc}")
  endif()
endfunction()

function(expect_target content why)
  file(READ "${target}" actual)
  if(NOT actual STREQUAL content)
    message(FATAL_ERROR "${why}: the program folder holds '${actual}', expected '${content}'")
  endif()
endfunction()

file(WRITE "${shipped}" "seed 1")
place()
expect_target("seed 1" "a missing file is placed")

file(WRITE "${shipped}" "seed 2")
place()
expect_target("seed 2" "an untouched file follows a new seed")

file(WRITE "${target}" "played on")
file(WRITE "${shipped}" "seed 3")
place()
expect_target("played on" "a used file is kept")

file(WRITE "${target}" "seed 3")
place()
file(WRITE "${shipped}" "seed 4")
file(WRITE "${target}-journal" "a write in progress")
place()
expect_target("seed 3" "a file with a journal beside it is kept")

message(STATUS "placement keeps used data files")
