# Puts the shipped data file into the program folder without ever replacing
# one that a player has used. A file is replaced only while it is still the
# very file an earlier build placed (its hash is in STAMP) and no journal
# beside it shows a write in progress.
#   cmake -DSHIPPED=… -DTARGET=… -DSTAMP=… -P place_data_file.cmake
file(SHA256 "${SHIPPED}" shipped_hash)

function(place)
  get_filename_component(folder "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SHIPPED}" "${TARGET}.placing")
  file(RENAME "${TARGET}.placing" "${TARGET}")
  file(WRITE "${STAMP}" "${shipped_hash}")
endfunction()

if(NOT EXISTS "${TARGET}")
  place()
  return()
endif()

file(SHA256 "${TARGET}" target_hash)
if(target_hash STREQUAL shipped_hash)
  return()
endif()

set(placed_hash "")
if(EXISTS "${STAMP}")
  file(READ "${STAMP}" placed_hash)
endif()
if(target_hash STREQUAL placed_hash AND NOT EXISTS "${TARGET}-journal")
  place()
else()
  message(STATUS "Keeping ${TARGET}: it has been used since it was placed, so the new seed is not applied to it")
endif()
