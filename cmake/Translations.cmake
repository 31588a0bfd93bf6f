# The game's words in other languages. translations/wallwright_<code>.ts holds
# one language; the build compiles each with lrelease into the program, and
# `update-translations` gathers every marked text of the game into them with
# lupdate (texts said by the core through words::say and WORDS_ENTRY too).
find_program(WALLWRIGHT_LRELEASE NAMES lrelease
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED NO_DEFAULT_PATH)
find_program(WALLWRIGHT_LUPDATE NAMES lupdate
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED NO_DEFAULT_PATH)

file(GLOB WALLWRIGHT_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/wallwright_*.ts)
set(WALLWRIGHT_LUPDATE_OPTIONS -locations none -no-obsolete
  -tr-function-alias QT_TRANSLATE_NOOP+=say,QT_TRANSLATE_NOOP+=WORDS_ENTRY)
set(WALLWRIGHT_TEXT_FOLDERS
  ${PROJECT_SOURCE_DIR}/model ${PROJECT_SOURCE_DIR}/game ${PROJECT_SOURCE_DIR}/view ${PROJECT_SOURCE_DIR}/app)

# Compiles .ts files into .qm files in `folder`; their paths go into `out`.
function(wallwright_compile_translations out folder)
  set(qm_files)
  foreach(ts ${ARGN})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${folder}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${WALLWRIGHT_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  set(${out} ${qm_files} PARENT_SCOPE)
endfunction()

add_custom_target(update-translations
  COMMAND ${WALLWRIGHT_LUPDATE} ${WALLWRIGHT_LUPDATE_OPTIONS} ${WALLWRIGHT_TEXT_FOLDERS} -ts ${WALLWRIGHT_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
