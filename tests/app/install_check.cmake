# Installs the build into a fresh prefix and checks that the program, its
# help file, the desktop entry, Dolphin's service menu, the icons, the
# message catalogues and the translated manual pages land where a desktop
# finds them.
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/zentavo
  bin/zentavo.HLP
  share/applications/zentavo.desktop
  share/kio/servicemenus/zentavo-rename.desktop
  share/icons/hicolor/16x16/apps/zentavo.png
  share/icons/hicolor/32x32/apps/zentavo.png
  share/icons/hicolor/48x48/apps/zentavo.png
  share/icons/hicolor/256x256/apps/zentavo.png
  share/icons/hicolor/scalable/apps/zentavo.svg
  share/locale/ja/LC_MESSAGES/zentavo-cli.mo
  share/man/de/man1/zentavo.1.gz
  share/man/zh_CN/man1/zentavo-cli.1.gz)
set(missing 0)
foreach(file ${expected})
  if(EXISTS "${PREFIX}/${file}")
    message(STATUS "PASS: ${file}")
  else()
    message(STATUS "FAIL: ${file} is missing")
    math(EXPR missing "${missing} + 1")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/zentavo.desktop" entry)
foreach(line "Name=Zentavo" "Exec=zentavo -- %F" "Icon=zentavo")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(STATUS "FAIL: the desktop entry lacks ${line}")
    math(EXPR missing "${missing} + 1")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
if(missing GREATER 0)
  message(FATAL_ERROR "${missing} installed files or entries missing")
endif()
