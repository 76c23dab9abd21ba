# What the Windows build adds: the programs' resources. Included for WIN32
# only, where cmake/mingw-w64.cmake names windres as the resource compiler.
enable_language(RC)

# Gives a Windows program its version record, which Explorer shows under
# Properties > Details, the program's icon and its manifest
# (res/zentavo.exe.manifest: common controls 6, per-monitor DPI awareness,
# long paths, no elevation):
#   zentavo_windows_resources(zentavo-cli zentavo-cli.exe "Zentavo command line")
function(zentavo_windows_resources target original_filename description)
  set(icon ${PROJECT_SOURCE_DIR}/res/zentavo.ico)
  set(manifest ${PROJECT_SOURCE_DIR}/res/zentavo.exe.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # windres does not see the files a resource script names, so cmake must.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${icon};${manifest}")
endfunction()
