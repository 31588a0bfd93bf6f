# Installs the build into a scratch prefix and checks the program folder, the
# link to it, the desktop files, the manual page and the package documents.
# Run with -DBUILD_DIR=... -DID=...

# The prefix is a fresh folder under TMPDIR, so that two runs at once never
# meet, and it goes again whatever the outcome.
execute_process(COMMAND mktemp -d RESULT_VARIABLE result OUTPUT_VARIABLE PREFIX OUTPUT_STRIP_TRAILING_WHITESPACE)
if(result)
  message(FATAL_ERROR "no scratch folder for the prefix: ${result}")
endif()
macro(fail message)
  file(REMOVE_RECURSE ${PREFIX})
  message(FATAL_ERROR "${message}")
endmacro()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  fail("cmake --install failed: ${result}")
endif()

set(program ${PREFIX}/lib/wallwright)
set(missing)
foreach(path wallwright Brick0.gam Brick1.gam Brick2.gam Brick3.gam help/index.html
    share:applications/${ID}.desktop share:metainfo/${ID}.metainfo.xml share:mime/packages/${ID}.xml
    share:icons/hicolor/16x16/apps/${ID}.png share:icons/hicolor/256x256/apps/${ID}.png
    share:icons/hicolor/scalable/apps/${ID}.svg share:man/man6/wallwright.6.gz
    share:doc/wallwright/copyright share:doc/wallwright/changelog.gz)
  string(REPLACE "share:" "../../share/" path ${path})
  if(NOT EXISTS ${program}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
foreach(folder Music Picture)
  file(GLOB content ${program}/${folder}/*)
  if(NOT content)
    list(APPEND missing "${folder}/*")
  endif()
endforeach()
if(missing)
  fail("not installed: ${missing}")
endif()

# A relative link, so the prefix can move; it must lead to the program itself.
# Debian puts games in games/, not bin/.
set(link ${PREFIX}/games/wallwright)
file(READ_SYMLINK ${link} target)
if(IS_ABSOLUTE "${target}")
  fail("games/wallwright is not a relative link: ${target}")
endif()
file(REAL_PATH ${link} resolved)
file(REAL_PATH ${program}/wallwright expected)
if(NOT resolved STREQUAL expected)
  fail("games/wallwright leads to ${resolved}, not ${expected}")
endif()
file(REMOVE_RECURSE ${PREFIX})
