# The languages Zentavo ships besides English, and the files that hold their
# texts: res/translations/zentavo_LANG.ts (the window, Qt Linguist) and
# res/translations/zentavo-cli_LANG.po (zentavo-cli, gettext).
# zentavo_en.ts holds only the English plural forms of the window's texts.
#
#   cmake --build BUILD --target update_translations
#
# brings every file up to date with the sources: new texts appear unfinished
# or empty, texts gone from the sources go. docs/architecture.md tells the rest.
set(ZENTAVO_LANGUAGES de fr es pt_BR ja zh_CN)
set(ZENTAVO_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/res/translations)

set(ZENTAVO_WINDOW_TS_FILES ${ZENTAVO_TRANSLATIONS_DIR}/zentavo_en.ts)
foreach(language IN LISTS ZENTAVO_LANGUAGES)
  list(APPEND ZENTAVO_WINDOW_TS_FILES ${ZENTAVO_TRANSLATIONS_DIR}/zentavo_${language}.ts)
endforeach()

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
find_program(ZENTAVO_XGETTEXT xgettext REQUIRED)
find_program(ZENTAVO_MSGMERGE msgmerge REQUIRED)
find_program(ZENTAVO_MSGFMT msgfmt REQUIRED)

# The same command refreshes the repository's files and, for the
# translations test, copies of them.
string(REPLACE ";" "," languages "${ZENTAVO_LANGUAGES}")
set(ZENTAVO_UPDATE_TRANSLATIONS
  ${CMAKE_COMMAND}
  -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
  -DLANGUAGES=${languages}
  -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
  -DXGETTEXT=${ZENTAVO_XGETTEXT}
  -DMSGMERGE=${ZENTAVO_MSGMERGE})
add_custom_target(update_translations
  COMMAND ${ZENTAVO_UPDATE_TRANSLATIONS} -DOUT_DIR=${ZENTAVO_TRANSLATIONS_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/update_translations.cmake
  VERBATIM)
