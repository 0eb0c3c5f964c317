# The libraries of the Windows build that Debian has no mingw-w64 package of, compiled from the
# sources Tools/Windows/fetch-sources.sh unpacks, under the names the Linux build finds them by.
set(FUDEMARU_WIN_SOURCES "" CACHE PATH "Folder holding the libpng and TinyXML sources (fetch-sources.sh)")
if(NOT EXISTS "${FUDEMARU_WIN_SOURCES}/libpng/png.h" OR NOT EXISTS "${FUDEMARU_WIN_SOURCES}/tinyxml/tinyxml.h")
  message(FATAL_ERROR "FUDEMARU_WIN_SOURCES must name the folder fetch-sources.sh filled")
endif()

# zlib: Debian's libz-mingw-w64-dev.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

# Their own code, their own warnings: compiled quietly.
set(png_dir ${FUDEMARU_WIN_SOURCES}/libpng)
add_library(WinPng STATIC
  ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c
  ${png_dir}/pngpread.c ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c
  ${png_dir}/pngrutil.c ${png_dir}/pngset.c ${png_dir}/pngtrans.c ${png_dir}/pngwio.c
  ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c
)
configure_file(${png_dir}/scripts/pnglibconf.h.prebuilt ${CMAKE_BINARY_DIR}/ThirdParty/pnglibconf.h COPYONLY)
target_include_directories(WinPng SYSTEM PUBLIC ${png_dir} ${CMAKE_BINARY_DIR}/ThirdParty)
target_compile_options(WinPng PRIVATE -w)
target_link_libraries(WinPng PUBLIC ZLIB::ZLIB)
add_library(PNG::PNG ALIAS WinPng)

# TinyXML with its STL interface, as Debian's own build always has it.
set(tinyxml_dir ${FUDEMARU_WIN_SOURCES}/tinyxml)
add_library(WinTinyXml STATIC
  ${tinyxml_dir}/tinyxml.cpp ${tinyxml_dir}/tinystr.cpp ${tinyxml_dir}/tinyxmlerror.cpp ${tinyxml_dir}/tinyxmlparser.cpp
)
target_include_directories(WinTinyXml SYSTEM PUBLIC ${tinyxml_dir})
target_compile_definitions(WinTinyXml PUBLIC TIXML_USE_STL)
target_compile_options(WinTinyXml PRIVATE -w)
add_library(PkgConfig::TINYXML ALIAS WinTinyXml)
