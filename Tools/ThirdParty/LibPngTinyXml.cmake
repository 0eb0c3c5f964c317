# libpng and TinyXML compiled from the sources Tools/ThirdParty/fetch-sources.sh unpacks into
# FUDEMARU_THIRDPARTY_SOURCES, under the names the Linux build finds them by; for the builds whose
# target Debian has no package of them (Windows, the web). ZLIB::ZLIB must exist before.
if(NOT EXISTS "${FUDEMARU_THIRDPARTY_SOURCES}/libpng/png.h" OR NOT EXISTS "${FUDEMARU_THIRDPARTY_SOURCES}/tinyxml/tinyxml.h")
  message(FATAL_ERROR "FUDEMARU_THIRDPARTY_SOURCES must name the folder fetch-sources.sh filled")
endif()

# Their own code, their own warnings: compiled quietly.
set(png_dir ${FUDEMARU_THIRDPARTY_SOURCES}/libpng)
add_library(ThirdPartyPng STATIC
  ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c
  ${png_dir}/pngpread.c ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c
  ${png_dir}/pngrutil.c ${png_dir}/pngset.c ${png_dir}/pngtrans.c ${png_dir}/pngwio.c
  ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c
)
configure_file(${png_dir}/scripts/pnglibconf.h.prebuilt ${CMAKE_BINARY_DIR}/ThirdParty/pnglibconf.h COPYONLY)
target_include_directories(ThirdPartyPng SYSTEM PUBLIC ${png_dir} ${CMAKE_BINARY_DIR}/ThirdParty)
target_compile_options(ThirdPartyPng PRIVATE -w)
target_link_libraries(ThirdPartyPng PUBLIC ZLIB::ZLIB)
add_library(PNG::PNG ALIAS ThirdPartyPng)

# TinyXML with its STL interface, as Debian's own build always has it.
set(tinyxml_dir ${FUDEMARU_THIRDPARTY_SOURCES}/tinyxml)
add_library(ThirdPartyTinyXml STATIC
  ${tinyxml_dir}/tinyxml.cpp ${tinyxml_dir}/tinystr.cpp ${tinyxml_dir}/tinyxmlerror.cpp ${tinyxml_dir}/tinyxmlparser.cpp
)
target_include_directories(ThirdPartyTinyXml SYSTEM PUBLIC ${tinyxml_dir})
target_compile_definitions(ThirdPartyTinyXml PUBLIC TIXML_USE_STL)
target_compile_options(ThirdPartyTinyXml PRIVATE -w)
add_library(PkgConfig::TINYXML ALIAS ThirdPartyTinyXml)
