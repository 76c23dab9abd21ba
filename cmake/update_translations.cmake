# Brings the translation files in OUT_DIR up to date with the sources: the
# window's texts are every tr() under app/. When OUT_DIR is not res/translations, the files are copied
# there first, so the repository's stay as they are.
# Run by: cmake --build BUILD --target update_translations
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
set(translations ${SOURCE_DIR}/res/translations)
if(NOT OUT_DIR STREQUAL "${translations}")
  file(MAKE_DIRECTORY ${OUT_DIR})
  file(GLOB files ${translations}/*.ts)
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
run(${LUPDATE} ${lupdate_options} ${SOURCE_DIR}/app -ts ${ts_files})
# English is the source language: it needs only the plural forms.
run(${LUPDATE} ${lupdate_options} -pluralonly ${SOURCE_DIR}/app -ts ${OUT_DIR}/zentavo_en.ts)

