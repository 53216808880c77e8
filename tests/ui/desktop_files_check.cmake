# Installs the project into a staging folder and checks that the desktop
# finds the editor there: the menu entry, the type of weapon scripts, the
# icons and the software centre's description, each accepted by its validator.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P desktop_files_check.cmake
file(REMOVE_RECURSE ${STAGE})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE})

set(share ${STAGE}/share)
set(expected
  bin/kalvex
  share/applications/kalvex.desktop
  share/mime/packages/kalvex.xml
  share/metainfo/org.kalvex.Kalvex.metainfo.xml
  share/icons/hicolor/scalable/apps/kalvex.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kalvex.png)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${STAGE}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

run(desktop-file-validate ${share}/applications/kalvex.desktop)
run(appstreamcli validate --no-net ${share}/metainfo/org.kalvex.Kalvex.metainfo.xml)

# The entry opens what the file manager hands it, and claims the scripts' type.
file(READ ${share}/applications/kalvex.desktop entry)
foreach(line "Name=Cindervale Weapon Editor" "Exec=kalvex %f"
             "MimeType=application/x-cindervale-weapon;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "kalvex.desktop lacks the line ${line}")
  endif()
endforeach()

# The type database built from the package knows both spellings of the extension.
run(update-mime-database ${share}/mime)
file(READ ${share}/mime/globs2 globs)
foreach(glob "application/x-cindervale-weapon:*.tdf" "application/x-cindervale-weapon:*.TDF")
  string(FIND "${globs}" "${glob}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the type database has no ${glob}:\n${globs}")
  endif()
endforeach()

# The icons are of the size their folder names (the width and height stand
# in the PNG header from byte 16 on).
foreach(size 16 32 48 64 128 256)
  file(READ ${share}/icons/hicolor/${size}x${size}/apps/kalvex.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "the ${size}x${size} icon is ${width} by ${height}")
  endif()
endforeach()
file(REMOVE_RECURSE ${STAGE})
