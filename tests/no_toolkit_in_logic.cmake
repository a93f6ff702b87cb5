# The game's logic sees the world only through ui/ and media/: no Qt or SDL
# header may appear in it, nor any of the platform's (platform/ is where the
# desktop driver and the sound, pad and socket backends live, on those
# libraries). Run as: cmake -DSOURCE_DIR=... -P this-file
set(logic_dirs frontend stage battle net bonus ui media)
set(offenders "")
foreach(dir ${logic_dirs})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${dir}/*.h" "${SOURCE_DIR}/${dir}/*.cpp")
  foreach(f ${files})
    file(STRINGS "${f}" hits
      REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/|SDL|platform/)")
    if(hits)
      list(APPEND offenders "${f}: ${hits}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "toolkit headers in the game's logic:\n${text}")
endif()
