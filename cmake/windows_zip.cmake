# `cmake --build BUILD --target kalvex-windows-zip` makes BUILD/kalvex-windows.zip
# for a release page: the stripped kalvex.exe and kalvex-tdf.exe, the README
# and the licence, in one folder kalvex-windows/.
set(zip_folder ${PROJECT_BINARY_DIR}/kalvex-windows)
set(zip_file ${PROJECT_BINARY_DIR}/kalvex-windows.zip)
add_custom_command(OUTPUT ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_folder}
  COMMAND ${CMAKE_STRIP} -o ${zip_folder}/kalvex.exe $<TARGET_FILE:kalvex>
  COMMAND ${CMAKE_STRIP} -o ${zip_folder}/kalvex-tdf.exe $<TARGET_FILE:kalvex-tdf>
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip_file} --format=zip kalvex-windows
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  DEPENDS kalvex kalvex-tdf ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
  COMMENT "Making kalvex-windows.zip"
  VERBATIM)
add_custom_target(kalvex-windows-zip DEPENDS ${zip_file})
