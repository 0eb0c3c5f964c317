# Fetches the KanjiVG npm package into CACHE_DIR, checks its sha512 integrity and unpacks it.
# Run with -DCACHE_DIR=... -DPACKAGE=name@version -DINTEGRITY=sha512-... -DMARKER=file -DSTAMP=file.
# A cache whose marker exists is used as it is. The cache is shared by every build tree, the
# stamp is the calling tree's own: a second tree (a sanitizer or fuzz build) stamps itself and
# leaves the marker alone, so the first tree's stroke database stays current.
cmake_minimum_required(VERSION 3.25)

if(EXISTS "${MARKER}")
  file(TOUCH "${STAMP}")
  return()
endif()

# npm writes integrity as base64; CMake hashes in hex.
function(base64_to_hex text out)
  set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  set(hexdigits "0123456789abcdef")
  set(bits 0)
  set(nbits 0)
  set(hex "")
  string(LENGTH "${text}" len)
  math(EXPR last "${len} - 1")
  foreach(i RANGE ${last})
    string(SUBSTRING "${text}" ${i} 1 c)
    if(c STREQUAL "=")
      break()
    endif()
    string(FIND "${alphabet}" "${c}" v)
    math(EXPR bits "((${bits} << 6) | ${v}) & 0xFFFF")
    math(EXPR nbits "${nbits} + 6")
    while(nbits GREATER_EQUAL 4)
      math(EXPR nbits "${nbits} - 4")
      math(EXPR d "(${bits} >> ${nbits}) & 15")
      string(SUBSTRING "${hexdigits}" ${d} 1 h)
      string(APPEND hex "${h}")
    endwhile()
  endforeach()
  # 88 base64 characters with "==" carry 512 bits: drop the padding nibbles.
  string(SUBSTRING "${hex}" 0 128 hex)
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "^sha512-" "" expected_b64 "${INTEGRITY}")
base64_to_hex("${expected_b64}" expected)

file(MAKE_DIRECTORY "${CACHE_DIR}")
execute_process(
  COMMAND npm pack "${PACKAGE}" --silent --pack-destination "${CACHE_DIR}"
  WORKING_DIRECTORY "${CACHE_DIR}"
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE tarball
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0 OR tarball STREQUAL "")
  message(FATAL_ERROR "npm pack ${PACKAGE} failed (${rc}); is the npm registry reachable?")
endif()
string(REGEX REPLACE ".*\n" "" tarball "${tarball}")
set(tarball "${CACHE_DIR}/${tarball}")

file(SHA512 "${tarball}" actual)
if(NOT actual STREQUAL expected)
  file(REMOVE "${tarball}")
  message(FATAL_ERROR "${PACKAGE}: integrity mismatch\n  expected sha512 ${expected}\n  got      sha512 ${actual}\n"
                      "The download was removed; the stroke database is not built from unverified data.")
endif()

get_filename_component(unpacked "${MARKER}" DIRECTORY)
file(REMOVE_RECURSE "${unpacked}" "${CACHE_DIR}/package")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf "${tarball}" WORKING_DIRECTORY "${CACHE_DIR}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT IS_DIRECTORY "${CACHE_DIR}/package/dist/orig/main")
  message(FATAL_ERROR "${PACKAGE}: cannot unpack ${tarball}")
endif()
file(RENAME "${CACHE_DIR}/package" "${unpacked}")
file(WRITE "${MARKER}" "${PACKAGE} sha512 ${actual}\n")
file(TOUCH "${STAMP}")
