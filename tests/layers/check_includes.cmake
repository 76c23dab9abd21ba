cmake_minimum_required(VERSION 3.25)

# Fails when a layer includes what it may not: the core anything but the
# standard library (no Qt, no file system, no locale, no other layer); the
# portable engine, journal and session, and the window logic that both
# windows share (window/), no Qt and no platform header; only
# the platform folders (posix/, win32/) and the Win32 window (winapp/) reach
# the operating system; the command line and the Win32 window no Qt; the
# windows not the command line.
#   cmake -DSOURCE=<source tree> -P check_includes.cmake

# Headers in angle brackets that a layer may not use. Qt's are named Q...,
# Qt.../... or q....h.
set(qt "^(Q|Qt[A-Za-z]*/|q[a-z0-9_]*\\.h$)")
set(files_and_system "^(filesystem|fstream|cstdio|stdio\\.h|unistd\\.h|fcntl\\.h|dirent\\.h|ftw\\.h|fts\\.h|glob\\.h|libgen\\.h|sys/.*|linux/.*)$")
# The core reads no locale: code pages and case maps are handed to it.
set(locale "^(clocale|locale|locale\\.h|langinfo\\.h|cwchar|wchar\\.h|cwctype|wctype\\.h)$")
set(core_forbidden "${qt}|${files_and_system}|${locale}")
# The standard library's own headers have no ".h"; every header that has
# one is C's or a platform's (unistd.h, sys/stat.h, windows.h). The portable
# layers reach files through FileSystem and JournalStorage alone.
set(portable_forbidden "${qt}|\\.h$|^(filesystem|fstream)$")
# Of the command line only its platform folders (cli/posix/, cli/win32/) reach
# the system.
set(platform_headers "\\.h$")

# Folders whose headers a layer may include in quotes.
set(core_allowed core)
set(engine_allowed core engine)
set(journal_allowed core engine journal)
set(session_allowed core engine journal session)
set(window_allowed core engine journal session window)
set(posix_allowed core engine journal posix)
set(win32_allowed core engine journal win32)
set(cli_allowed core engine journal session posix win32 cli)
set(app_allowed core engine journal session window posix win32 app)
set(winapp_allowed core engine journal session window win32 winapp)

set(problems 0)
foreach(layer core engine journal session window posix win32 cli app winapp)
  if(layer STREQUAL "core")
    set(forbidden "${core_forbidden}")
  elseif(layer MATCHES "^(engine|journal|session|window)$")
    set(forbidden "${portable_forbidden}")
  elseif(layer STREQUAL "app")
    set(forbidden "^$")
  else()
    set(forbidden "${qt}")
  endif()
  file(GLOB_RECURSE sources "${SOURCE}/${layer}/*.h" "${SOURCE}/${layer}/*.cpp")
  foreach(source ${sources})
    set(source_forbidden "${forbidden}")
    if(layer STREQUAL "cli" AND NOT source MATCHES "/cli/(posix|win32)/")
      set(source_forbidden "${forbidden}|${platform_headers}")
    endif()
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
        set(header "${CMAKE_MATCH_1}")
        if(header MATCHES "${source_forbidden}")
          message(STATUS "FAIL: ${source}: ${layer}/ may not include <${header}>")
          math(EXPR problems "${problems} + 1")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(header "${CMAKE_MATCH_1}")
        string(REGEX MATCH "^[^/]*" folder "${header}")
        if(NOT header MATCHES "/" OR NOT folder IN_LIST ${layer}_allowed)
          message(STATUS "FAIL: ${source}: ${layer}/ may not include \"${header}\"")
          math(EXPR problems "${problems} + 1")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems GREATER 0)
  message(FATAL_ERROR "${problems} forbidden includes")
endif()
