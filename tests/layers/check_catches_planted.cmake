cmake_minimum_required(VERSION 3.25)

# Plants one include at a time in a scratch tree and runs check_includes.cmake
# on it: every forbidden include must fail the check, every allowed one pass.
#   cmake -DCHECK=<check_includes.cmake> -DWORK=<scratch folder> -P check_catches_planted.cmake

# layer|include line|1 when the check must fail
set(cases
  "core|#include <QString>|1"
  "core|#include <QtCore/qglobal.h>|1"
  "core|#include <filesystem>|1"
  "core|#include <unistd.h>|1"
  "core|#include <sys/stat.h>|1"
  "core|#include <clocale>|1"
  "core|#include <langinfo.h>|1"
  "core|#include \"posix/os.h\"|1"
  "core|#include \"../posix/os.h\"|1"
  "core|#  include \"cli/help_text.h\"|1"
  "engine|#include <unistd.h>|1"
  "engine|#include <sys/stat.h>|1"
  "engine|#include <fcntl.h>|1"
  "engine|#include <windows.h>|1"
  "engine|#include <QByteArray>|1"
  "engine|#include <filesystem>|1"
  "engine|#include \"posix/os.h\"|1"
  "engine|#include \"journal/journal.h\"|1"
  "journal|#include <unistd.h>|1"
  "journal|#include <sys/file.h>|1"
  "journal|#include <fcntl.h>|1"
  "journal|#include <windows.h>|1"
  "journal|#include <QFile>|1"
  "journal|#include \"posix/scoped_fd.h\"|1"
  "journal|#include \"session/rename_session.h\"|1"
  "session|#include <pwd.h>|1"
  "session|#include \"posix/posix_journal_storage.h\"|1"
  "window|#include <QString>|1"
  "window|#include <windows.h>|1"
  "window|#include <unistd.h>|1"
  "window|#include \"posix/posix_file_system.h\"|1"
  "window|#include \"app/window_texts.h\"|1"
  "posix|#include <QByteArray>|1"
  "posix|#include \"session/rename_session.h\"|1"
  "win32|#include \"posix/os.h\"|1"
  "cli|#include <QCoreApplication>|1"
  "cli|#include <unistd.h>|1"
  "cli|#include <windows.h>|1"
  "cli/win32|#include <QString>|1"
  "app|#include \"cli/help_text.h\"|1"
  "winapp|#include <QString>|1"
  "winapp|#include \"posix/os.h\"|1"
  "winapp|#include \"app/message_text.h\"|1"
  "winapp|#include \"cli/help_text.h\"|1"
  "app|#include <QWidget>|0"
  "core|#include <string>|0"
  "core|#include \"core/text.h\"|0"
  "engine|#include <cstdio>|0"
  "engine|#include \"core/text.h\"|0"
  "journal|#include <chrono>|0"
  "journal|#include \"engine/file_system.h\"|0"
  "session|#include \"journal/undo_run.h\"|0"
  "posix|#include <unistd.h>|0"
  "posix|#include \"journal/journal_storage.h\"|0"
  "win32|#include <windows.h>|0"
  "cli|#include \"posix/os.h\"|0"
  "cli|#include <ctime>|0"
  "cli/posix|#include <libintl.h>|0"
  "cli/win32|#include <windows.h>|0"
  "app|#include \"session/rename_session.h\"|0"
  "app|#include \"window/text_id.h\"|0"
  "window|#include <thread>|0"
  "window|#include \"session/rename_session.h\"|0"
  "winapp|#include <windows.h>|0"
  "winapp|#include \"win32/win32_file_system.h\"|0"
  "winapp|#include \"window/window_logic.h\"|0")

set(wrong 0)
foreach(case ${cases})
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 layer)
  list(GET fields 1 line)
  list(GET fields 2 must_fail)
  file(REMOVE_RECURSE "${WORK}")
  file(WRITE "${WORK}/${layer}/planted.cpp" "${line}\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE=${WORK} -P "${CHECK}"
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(status EQUAL 0)
    set(failed 0)
  else()
    set(failed 1)
  endif()
  if(NOT failed EQUAL must_fail)
    message(STATUS "WRONG: ${layer}/ with '${line}': the check gave ${status}")
    math(EXPR wrong "${wrong} + 1")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
if(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} planted includes judged wrongly")
endif()
