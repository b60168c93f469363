# Builds the suite's one data set (OUT/data, OUT/figure-sheets) with BUILDER, unless the one in
# OUT is newer than the builder and the tuning sources it copies: every test reads or copies
# this set, so the builder runs once per run of the suite however many programs need it.
#   cmake -DBUILDER=... -DOUT=... -DTUNING=... -P data_set_build.cmake
set(stamp ${OUT}/built)
set(stale FALSE)
if(NOT EXISTS ${stamp} OR ${BUILDER} IS_NEWER_THAN ${stamp})
  set(stale TRUE)
else()
  file(GLOB tuning_files ${TUNING}/*)
  foreach(file ${tuning_files})
    if(${file} IS_NEWER_THAN ${stamp})
      set(stale TRUE)
    endif()
  endforeach()
endif()
if(NOT stale)
  message(STATUS "data set in ${OUT} is up to date")
  return()
endif()
# Anew, so that no file a reader left (a player's settings) survives into the tests' set.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${BUILDER} ${OUT}/data RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE_RECURSE ${OUT})
  message(FATAL_ERROR "the data builder failed (${result})")
endif()
file(TOUCH ${stamp})
