# Sanitizers and fuzzing instrumentation for every target of ours, chosen at
# configure time (the asan, tsan and fuzz presets in CMakePresets.json).
set(CORVANEL_SANITIZE "" CACHE STRING
    "Sanitizers to build with, as -fsanitize= takes them: address,undefined or thread")

if(CORVANEL_SANITIZE)
    add_compile_options(-fsanitize=${CORVANEL_SANITIZE} -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${CORVANEL_SANITIZE})
    if(CORVANEL_SANITIZE MATCHES "undefined")
        # A report fails the test that caused it instead of scrolling past.
        add_compile_options(-fno-sanitize-recover=undefined)
        add_link_options(-fno-sanitize-recover=undefined)
    endif()
endif()

# libFuzzer comes with clang only. Without it the fuzz targets and their
# tests are left out, and the rest of the build goes on as usual.
set(CORVANEL_FUZZING FALSE)
if(CORVANEL_FUZZ)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
    check_cxx_source_compiles([[
        #include <cstddef>
        #include <cstdint>
        extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
    ]] CORVANEL_HAVE_LIBFUZZER)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CORVANEL_HAVE_LIBFUZZER)
        set(CORVANEL_FUZZING TRUE)
        # Coverage feedback from the code under test, not only from the targets.
        add_compile_options(-fsanitize=fuzzer-no-link)
    else()
        message(WARNING "CORVANEL_FUZZ needs clang with libFuzzer (packages clang, "
                        "libclang-rt-14-dev); the fuzz targets are left out")
    endif()
endif()
