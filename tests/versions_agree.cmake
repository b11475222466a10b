# tamovid --version and tamovid-cli --version must both name the project's version.
# The window's answer needs no display, so no platform is set here.
foreach(program WINDOW CLI)
  execute_process(COMMAND ${${program}} --version
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(name ${${program}} NAME)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${name} ${VERSION}")
    message(FATAL_ERROR "${name} --version gave \"${out}\" (status ${status}, ${err}); "
                        "expected \"${name} ${VERSION}\"")
  endif()
endforeach()
