# Instrumented builds. Included before any target so that every library,
# plugin, test and tool of the tree is built the same way: a sanitizer that
# sees only part of the code misses the bugs at the seams.
#
#   -DDAVOVADEZED_SANITIZE=ON  AddressSanitizer + UndefinedBehaviorSanitizer
#   -DDAVOVADEZED_FUZZ=ON      the same, plus libFuzzer coverage; clang only,
#                              builds the targets under fuzz/
option(DAVOVADEZED_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DAVOVADEZED_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(DAVOVADEZED_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "DAVOVADEZED_FUZZ needs clang's libFuzzer; configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ (compiler found: ${CMAKE_CXX_COMPILER_ID})")
endif()

if(DAVOVADEZED_SANITIZE OR DAVOVADEZED_FUZZ)
    # Undefined behaviour stops the program like a memory error does, so a
    # test cannot pass while printing a report.
    set(DAVOVADEZED_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    if(DAVOVADEZED_FUZZ)
        # Coverage feedback for the fuzzer in the libraries too; only the
        # fuzz targets themselves link libFuzzer's main.
        list(APPEND DAVOVADEZED_SANITIZER_FLAGS -fsanitize=fuzzer-no-link)
    endif()
    add_compile_options(${DAVOVADEZED_SANITIZER_FLAGS})
    add_link_options(${DAVOVADEZED_SANITIZER_FLAGS})
endif()
