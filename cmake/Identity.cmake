# The program's version and desktop id, turned into code once: a generated header that
# the window and the command-line tool both include. The install rules name the desktop
# entry, the icon and the AppStream file after the same id.
set(TAMOVID_APP_ID "example.tamovid.Tamovid" CACHE STRING
    "Reverse-DNS id of the desktop program, built from the project's web site")
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
               ${CMAKE_BINARY_DIR}/generated/include/tamovid/version.h @ONLY)
add_library(tamovid_version INTERFACE)
target_include_directories(tamovid_version INTERFACE ${CMAKE_BINARY_DIR}/generated/include)
