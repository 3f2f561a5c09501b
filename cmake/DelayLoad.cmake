# Import libraries whose DLL is loaded on the first call into it, as MSVC's
# /DELAYLOAD does: the program starts without the DLLs that only a window, a
# sound or the browser needs. MinGW's delay-load helper (__delayLoadHelper2,
# in libmingwex) resolves each function on its first call.
#
#   vantrel_delay_import(<name> <dll> <function>...)
#
# makes the imported static library <name>_delay. Every function the program
# calls in that DLL must be listed: a missing one fails the link.
find_program(VANTREL_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

function(vantrel_delay_import name dll)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${name}-delay.def)
  set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${name}-delay.a)
  list(JOIN ARGN "\n" exports)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  add_custom_command(OUTPUT ${lib}
    COMMAND ${VANTREL_DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib ${lib}
    DEPENDS ${def} VERBATIM)
  add_custom_target(${name}_delay_lib DEPENDS ${lib})
  add_library(${name}_delay STATIC IMPORTED GLOBAL)
  set_target_properties(${name}_delay PROPERTIES IMPORTED_LOCATION ${lib})
  add_dependencies(${name}_delay ${name}_delay_lib)
endfunction()
