# The options every target of the project is built with, and the function that
# makes one layer's library.

# Results must be bit-identical on every machine: no contraction into fused
# multiply-adds, no fast-math, no host-specific instruction sets. Every library,
# program, test and benchmark links this, through the layers or directly.
add_library(tallowmere_options INTERFACE)
target_compile_options(tallowmere_options INTERFACE -Wall -Wextra -ffp-contract=off -fno-fast-math)
# Every symbol bound at start, so the whole offset table can be read-only
# (relro alone leaves the lazily bound part writable), as Debian builds do.
target_link_options(tallowmere_options INTERFACE LINKER:-z,relro,-z,now)
if(TALLOWMERE_SANITIZE)
  target_compile_options(tallowmere_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tallowmere_options INTERFACE -fsanitize=address,undefined)
endif()
if(TALLOWMERE_TSAN)
  target_compile_options(tallowmere_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(tallowmere_options INTERFACE -fsanitize=thread)
endif()
if(TALLOWMERE_FUZZ)
  # Coverage feedback for all the code under test; the fuzzing engine itself
  # comes in only where the fuzz targets are linked.
  target_compile_options(tallowmere_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -fsanitize=fuzzer-no-link)
  target_link_options(tallowmere_options INTERFACE -fsanitize=address,undefined)
endif()

# The program's own code is held to a stricter set; tests and benchmarks keep
# the ordinary one. The test command makes every warning an error
# (CMAKE_COMPILE_WARNING_AS_ERROR). The fuzz build, with clang, keeps the
# ordinary set for all.
set(TALLOWMERE_STRICT_WARNINGS -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast)
if(TALLOWMERE_FUZZ)
  set(TALLOWMERE_STRICT_WARNINGS)
endif()

# The code that ships checks the sizes of what it copies and formats where
# they are known when compiled, as Debian's build flags ask (it needs the
# optimiser; the sanitizers check more, and differently).
set(TALLOWMERE_HARDENING)
if(NOT TALLOWMERE_SANITIZE AND NOT TALLOWMERE_TSAN AND NOT TALLOWMERE_FUZZ)
  set(TALLOWMERE_HARDENING $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()

# tallowmere_sees(TARGET folder...)
# Compiles TARGET against an include root holding links to just the folders
# named, so an include that points upward or sideways fails to build. The root
# is build/layers/TARGET.
function(tallowmere_sees target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(visible ${ARGN})
    if(NOT IS_SYMLINK ${root}/${visible})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${visible} ${root}/${visible} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()

# tallowmere_layer(TARGET SOURCES file... SEES folder...)
# A static library of the program's own code: the files listed (relative to
# the calling folder), seeing only the folders it SEES, its own among them.
function(tallowmere_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;SEES")
  add_library(${target} STATIC ${arg_SOURCES})
  tallowmere_sees(${target} ${arg_SEES})
  target_compile_options(${target} PRIVATE ${TALLOWMERE_STRICT_WARNINGS} ${TALLOWMERE_HARDENING})
  target_link_libraries(${target} PUBLIC tallowmere_options)
endfunction()
