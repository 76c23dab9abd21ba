# Reads a built Windows program's resources back with windres and checks
# what Windows looks for before the program runs: the manifest as id 1 of
# RT_MANIFEST with what it promises, the icon 128 and the version record.
#   cmake -DWINDRES=<windres> -DPROGRAM=<program.exe> -P embedded_resources_check.cmake
execute_process(COMMAND "${WINDRES}" -i "${PROGRAM}" -O rc
                OUTPUT_VARIABLE resources RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "windres could not read ${PROGRAM}: ${status}")
endif()

set(expected
  "1 24 /\\* RT_MANIFEST \\*/"
  "Microsoft.Windows.Common-Controls\"\" version=\"\"6.0.0.0"
  "PerMonitorV2"
  "<longPathAware[^>]*>true</longPathAware>"
  "level=\"\"asInvoker"
  "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"
  "128 14 /\\* RT_GROUP_ICON \\*/"
  "VERSIONINFO")
set(missing 0)
foreach(pattern ${expected})
  if(resources MATCHES "${pattern}")
    message(STATUS "PASS: ${pattern}")
  else()
    message(SEND_ERROR "missing from ${PROGRAM}: ${pattern}")
    set(missing 1)
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "the resources of ${PROGRAM} are incomplete")
endif()
