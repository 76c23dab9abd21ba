# What a Debian system expects besides the programs: manual pages, the
# AppStream metainfo, bash completion and the licence, installed by
# cmake --install; and the Debian package, made from the same install rules
# with cpack -G DEB.
include(GNUInstallDirs)

set(res ${PROJECT_SOURCE_DIR}/res)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zentavo)

# Manual pages go out compressed, as man-db and Debian's tools expect; gzip -n
# keeps the name and time out of the file, so every build gives the same bytes.
find_program(ZENTAVO_GZIP gzip REQUIRED)
set(man_pages zentavo-cli.1)
if(ZENTAVO_BUILD_APP)
  list(APPEND man_pages zentavo.1)
endif()
set(compressed_pages)
foreach(page ${man_pages})
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -DGZIP=${ZENTAVO_GZIP} -DIN=${res}/man/${page} -DOUT=${compressed}
            -P ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
    DEPENDS ${res}/man/${page} ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
    VERBATIM)
  list(APPEND compressed_pages ${compressed})
endforeach()
install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Each language's pages: a summary under its own NAME line, which points to
# the full English page.
foreach(language IN LISTS ZENTAVO_LANGUAGES)
  set(language_pages)
  foreach(page ${man_pages})
    set(compressed ${CMAKE_BINARY_DIR}/man/${language}/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -DGZIP=${ZENTAVO_GZIP} -DIN=${res}/man/${language}/${page}
              -DOUT=${compressed} -P ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
      DEPENDS ${res}/man/${language}/${page} ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
      VERBATIM)
    list(APPEND language_pages ${compressed})
  endforeach()
  install(FILES ${language_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  list(APPEND compressed_pages ${language_pages})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${compressed_pages})

install(FILES ${res}/completion/zentavo-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME zentavo-cli)
if(ZENTAVO_BUILD_APP)
  install(FILES ${res}/org.zentavo.Zentavo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The copyright file in Debian's machine-readable form, made from LICENSE: its
# copyright line, then the licence text with blank lines written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE lacks its copyright line or its text")
endif()
set(copyright_holder "${CMAKE_MATCH_1}")
set(license_text "${CMAKE_MATCH_2}")
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
set(copyright_file ${CMAKE_BINARY_DIR}/copyright)
file(WRITE ${copyright_file}
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Zentavo

Files: *
Copyright: ${copyright_holder}
License: Expat
 ${license_text}
")
install(FILES ${copyright_file} DESTINATION ${doc_dir})

# Whoever publishes the package puts their own address here; the default
# names the project at a reserved example domain.
set(ZENTAVO_PACKAGE_MAINTAINER "The Zentavo developers <zentavo@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

# A package without a Debian revision keeps its changelog as changelog.gz.
set(changelog ${CMAKE_BINARY_DIR}/changelog)
configure_file(${res}/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -DGZIP=${ZENTAVO_GZIP} -DIN=${changelog} -DOUT=${changelog}.gz
          -P ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
  DEPENDS ${changelog} ${CMAKE_CURRENT_LIST_DIR}/gzip_file.cmake
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zentavo developers")
set(CPACK_PACKAGE_CONTACT "${ZENTAVO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer driven by a short pattern")
# Lines are wrapped here: the package tools show them as they are.
set(CPACK_PACKAGE_DESCRIPTION
"Zentavo renames many files at once. Drop files and folders on its window,
optionally searching their subfolders, and type a short rename pattern: a
zero-padded counter per folder, the position in the list, the old name,
title or extension, or the names of the folders above the file, each in
lower or upper case if wanted.

Every new name is shown beside its old path before anything changes on
disk. An existing file is never replaced: renames that depend on each other
are resolved in repeated passes, and every file ends marked renamed or
failed.

The package holds the window program zentavo and zentavo-cli, which does
the same from a terminal or a script.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the buttons of message boxes) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
