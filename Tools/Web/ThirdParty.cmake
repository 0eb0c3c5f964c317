# The libraries of the web build, compiled with emcc from Debian's sources (Tools/ThirdParty):
# Emscripten's own ports of them download from the internet.
set(FUDEMARU_THIRDPARTY_SOURCES "" CACHE PATH "Folder holding the zlib, libpng and TinyXML sources (fetch-sources.sh)")
if(NOT EXISTS "${FUDEMARU_THIRDPARTY_SOURCES}/zlib/zlib.h")
  message(FATAL_ERROR "FUDEMARU_THIRDPARTY_SOURCES must name the folder fetch-sources.sh filled")
endif()

set(zlib_dir ${FUDEMARU_THIRDPARTY_SOURCES}/zlib)
add_library(ThirdPartyZlib STATIC
  ${zlib_dir}/adler32.c ${zlib_dir}/compress.c ${zlib_dir}/crc32.c ${zlib_dir}/deflate.c
  ${zlib_dir}/inffast.c ${zlib_dir}/inflate.c ${zlib_dir}/inftrees.c ${zlib_dir}/trees.c
  ${zlib_dir}/uncompr.c ${zlib_dir}/zutil.c
)
target_include_directories(ThirdPartyZlib SYSTEM PUBLIC ${zlib_dir})
target_compile_options(ThirdPartyZlib PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS ThirdPartyZlib)

include(${CMAKE_SOURCE_DIR}/Tools/ThirdParty/LibPngTinyXml.cmake)
