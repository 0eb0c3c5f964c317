# Runs FETCH over a cache whose marker exists (no download) and checks that only the stamp moved.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/cache/kanjivg")
file(WRITE "${WORK}/cache/kanjivg/.verified" "marker\n")
execute_process(COMMAND touch -d "2001-01-01 00:00:00" "${WORK}/cache/kanjivg/.verified")
file(TIMESTAMP "${WORK}/cache/kanjivg/.verified" before "%s" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -DCACHE_DIR=${WORK}/cache -DPACKAGE=unused -DINTEGRITY=unused
                        -DMARKER=${WORK}/cache/kanjivg/.verified -DSTAMP=${WORK}/tree.stamp -P ${FETCH}
                RESULT_VARIABLE rc)
file(TIMESTAMP "${WORK}/cache/kanjivg/.verified" after "%s" UTC)
if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK}/tree.stamp" OR NOT before STREQUAL after)
  message(FATAL_ERROR "fetch ${rc}, stamp made: ${WORK}/tree.stamp, marker time ${before} -> ${after}")
endif()
file(REMOVE_RECURSE "${WORK}")
