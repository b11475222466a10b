# Interface targets that carry the project's compile options; every target links them.

add_library(tamovid_warnings INTERFACE)
target_compile_options(tamovid_warnings INTERFACE -Wall -Wextra -Wpedantic)

# Stricter checks for the program's own code: the libraries, the window and the
# command-line tool. The tests keep the set above, where table literals and the test
# framework's macros would make these checks mostly noise.
add_library(tamovid_strict_warnings INTERFACE)
target_compile_options(tamovid_strict_warnings INTERFACE
  -Wshadow           # a name hiding another in an outer scope
  -Wconversion       # an implicit conversion that may change a value
  -Wsign-conversion  # an implicit change between signed and unsigned
  -Wold-style-cast)  # C casts, which hide what they convert

add_library(tamovid_options INTERFACE)
target_link_libraries(tamovid_options INTERFACE tamovid_warnings)
# Keep results identical on every CPU: no fused multiply-add behind our back.
target_compile_options(tamovid_options INTERFACE -ffp-contract=off)

if(TAMOVID_SANITIZE)
  target_compile_options(tamovid_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(tamovid_options INTERFACE -fsanitize=address,undefined)
endif()

# Add a library of the engine with its public include folder.
function(tamovid_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC tamovid_options PRIVATE tamovid_strict_warnings)
endfunction()
