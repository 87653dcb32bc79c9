# Flags shared by every target of ours; third-party headers come in as SYSTEM.
add_library(rallynote_flags INTERFACE)
target_compile_options(rallynote_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(rallynote_flags INTERFACE _GLIBCXX_ASSERTIONS)
# GCC 12 at -O3 reports overlaps that cannot happen inside the inlined
# std::u16string concatenation (u"x" + text); its -Wrestrict is off there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(rallynote_flags INTERFACE -Wno-restrict)
endif()
if(RALLYNOTE_WERROR)
    target_compile_options(rallynote_flags INTERFACE -Werror)
endif()
if(RALLYNOTE_SANITIZE)
    target_compile_options(rallynote_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(rallynote_flags INTERFACE -fsanitize=address,undefined)
endif()
if(RALLYNOTE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "RALLYNOTE_FUZZ needs clang++ (CMAKE_CXX_COMPILER=clang++)")
    endif()
    # The core is instrumented for coverage; the fuzz targets link libFuzzer.
    target_compile_options(rallynote_flags INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(rallynote_flags INTERFACE -fsanitize=address,undefined)
endif()
