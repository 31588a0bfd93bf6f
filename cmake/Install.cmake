# `cmake --install` and `make package`. The game finds its data in the folder
# of its own resolved file, so it is installed as one program folder,
# <prefix>/lib/wallwright, with a link to it in <prefix>/games, where Debian
# puts games. The folder is private to the game, so it stays out of the
# multiarch library folder.
include(GNUInstallDirs)

set(WALLWRIGHT_ID example.wallwright.wallwright)
set(WALLWRIGHT_INSTALL_PROGRAMDIR lib/wallwright CACHE STRING
  "The installed program folder, relative to the prefix")
set(WALLWRIGHT_INSTALL_GAMESDIR games CACHE STRING
  "The folder of the link that starts the game, relative to the prefix")
set(program_dir ${WALLWRIGHT_INSTALL_PROGRAMDIR})

install(TARGETS wallwright RUNTIME DESTINATION ${program_dir})
target_link_options(wallwright PRIVATE ${WALLWRIGHT_HARDENED_LINK})
# A stripped install (the package) also drops the compiler's notes, as
# Debian's own packaging does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program_dir}/wallwright\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${SHIPPED_PUZZLES} DESTINATION ${program_dir})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/music/ DESTINATION ${program_dir}/Music)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/pictures/ DESTINATION ${program_dir}/Picture)
# The HTML Help project files only make Wallwright.chm.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${program_dir}/help
  PATTERN .gitignore EXCLUDE PATTERN *.hh? EXCLUDE)
if(CHMCMD)
  install(FILES ${WALLWRIGHT_PROGRAM_DIR}/Wallwright.chm DESTINATION ${program_dir})
endif()

# A relative link, made in the build tree and installed as a link, so that
# it holds under DESTDIR and in the package.
file(RELATIVE_PATH link_target ${CMAKE_INSTALL_PREFIX}/${WALLWRIGHT_INSTALL_GAMESDIR}
  ${CMAKE_INSTALL_PREFIX}/${program_dir}/wallwright)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/games-link)
file(CREATE_LINK ${link_target} ${CMAKE_BINARY_DIR}/games-link/wallwright SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/games-link/wallwright DESTINATION ${WALLWRIGHT_INSTALL_GAMESDIR})

# The manual page and the changelog, compressed as Debian wants them: at the
# highest level and without a time stamp, so that the package is reproducible.
# The changelog is in Debian's format and must describe this version.
file(STRINGS ${CMAKE_SOURCE_DIR}/docs/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^wallwright \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "docs/changelog does not start with version ${PROJECT_VERSION}: ${changelog_head}")
endif()
find_program(GZIP gzip REQUIRED)
set(compressed_docs)
foreach(doc wallwright.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/${doc} ${CMAKE_BINARY_DIR}/${doc}
    COMMAND ${GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/${doc}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/${doc} VERBATIM)
  list(APPEND compressed_docs ${CMAKE_BINARY_DIR}/${doc}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/wallwright)
install(FILES ${CMAKE_BINARY_DIR}/wallwright.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})
# The REUSE record is a machine-readable copyright file as it stands.
install(FILES ${CMAKE_SOURCE_DIR}/.reuse/dep5 DESTINATION ${doc_dir} RENAME copyright)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME wallwright)

# The menu entry, its icons and the software centre's description.
set(desktop_dir ${CMAKE_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop_dir}/${WALLWRIGHT_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${WALLWRIGHT_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Puzzle files (".gam") open in the game from the file manager.
install(FILES ${desktop_dir}/${WALLWRIGHT_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${WALLWRIGHT_ID}.xml)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/wallwright-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${WALLWRIGHT_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/wallwright.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${WALLWRIGHT_ID}.svg)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wallwright)
set(CPACK_PACKAGE_VENDOR "Wallwright")
set(CPACK_PACKAGE_CONTACT "Wallwright developers <help@wallwright.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "brick wall puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "Every puzzle is a brick wall laid in running bond with a gap in it.
Drag the pieces into the gap, turning or mirroring them with a right
click, until the wall is whole. Four groups of puzzles, six brick
styles, background music and pictures.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The music is MIDI: without a General MIDI SoundFont it stays silent. The
# mixer is loaded when the first sound is needed, so the package names it:
# the dependencies read from the program's links cannot.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, libsdl2-mixer-2.0-0")
# The toolkit's own words (the message boxes' standard buttons) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://wallwright.example/)
set(CPACK_STRIP_FILES ON)
include(CPack)
