# Brings the translation files in OUT_DIR up to date with the sources: the
# window's texts are every tr() under app/ and the table of window/, zentavo-cli's every Tr() and TrN()
# under cli/. When OUT_DIR is not res/translations, the files are copied
# there first, so the repository's stay as they are.
# Run by: cmake --build BUILD --target update_translations
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
set(translations ${SOURCE_DIR}/res/translations)
if(NOT OUT_DIR STREQUAL "${translations}")
  file(MAKE_DIRECTORY ${OUT_DIR})
  file(GLOB files ${translations}/*.ts ${translations}/*.po)
  file(COPY ${files} DESTINATION ${OUT_DIR})
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}")
  endif()
endfunction()

set(lupdate_options -silent -locations none -no-obsolete)
set(ts_files)
foreach(language IN LISTS LANGUAGES)
  list(APPEND ts_files ${OUT_DIR}/zentavo_${language}.ts)
endforeach()
run(${LUPDATE} ${lupdate_options} ${SOURCE_DIR}/app ${SOURCE_DIR}/window -ts ${ts_files})
# English is the source language: it needs only the plural forms.
run(${LUPDATE} ${lupdate_options} -pluralonly ${SOURCE_DIR}/app ${SOURCE_DIR}/window -ts ${OUT_DIR}/zentavo_en.ts)

file(GLOB cli_sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h)
list(SORT cli_sources)
set(pot ${OUT_DIR}/zentavo-cli.pot)
run(${XGETTEXT} --directory=${SOURCE_DIR} --from-code=UTF-8 --language=C++
    --keyword= --keyword=Tr --keyword=TrN:1,2 --add-comments=TRANSLATORS:
    --package-name=zentavo-cli --no-location --sort-output --output=${pot} ${cli_sources})
foreach(language IN LISTS LANGUAGES)
  run(${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching --sort-output
      ${OUT_DIR}/zentavo-cli_${language}.po ${pot})
endforeach()
file(REMOVE ${pot})
