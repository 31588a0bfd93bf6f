# Lays out the data beside the program in the build folder, so that the build
# folder is a working program folder: Music, Picture, the help.
set(program_data_stamp ${CMAKE_BINARY_DIR}/program-data.stamp)
file(GLOB_RECURSE program_data_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/music/* ${CMAKE_SOURCE_DIR}/resources/pictures/* ${CMAKE_SOURCE_DIR}/resources/help/*)
find_program(CHMCMD chmcmd)
set(build_chm "")
if(CHMCMD)
  # chmcmd writes next to its project file, so it works on a copy.
  set(build_chm
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${CMAKE_BINARY_DIR}/chm-work
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/chm-work ${CHMCMD} Wallwright.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/chm-work/Wallwright.chm ${WALLWRIGHT_PROGRAM_DIR}/Wallwright.chm)
endif()
add_custom_command(OUTPUT ${program_data_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${WALLWRIGHT_PROGRAM_DIR}/Music ${WALLWRIGHT_PROGRAM_DIR}/Picture ${WALLWRIGHT_PROGRAM_DIR}/help
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/music ${WALLWRIGHT_PROGRAM_DIR}/Music
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/pictures ${WALLWRIGHT_PROGRAM_DIR}/Picture
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${WALLWRIGHT_PROGRAM_DIR}/help
  ${build_chm}
  COMMAND ${CMAKE_COMMAND} -E touch ${program_data_stamp}
  DEPENDS ${program_data_sources}
  COMMENT "Laying out the program folder")
add_custom_target(program_data ALL DEPENDS ${program_data_stamp})
