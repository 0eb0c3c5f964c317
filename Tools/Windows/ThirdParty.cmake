# The libraries of the Windows build: zlib from Debian's libz-mingw-w64-dev, libpng and TinyXML
# compiled from Debian's sources (Tools/ThirdParty).
set(FUDEMARU_THIRDPARTY_SOURCES "" CACHE PATH "Folder holding the libpng and TinyXML sources (fetch-sources.sh)")
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
include(${CMAKE_SOURCE_DIR}/Tools/ThirdParty/LibPngTinyXml.cmake)
