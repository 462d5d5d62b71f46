# 64-bit Windows build: the Windows test run on machines that cannot run
# 32-bit programs. The deliverable stays the 32-bit build; the cases only a
# 32-bit program under WOW64 can run are left out here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The -posix variants bring std::thread and std::mutex.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Wine's own starter tries its 32-bit loader first, which such a machine
# cannot execute; the 64-bit loader runs the 64-bit programs directly.
set(MAPSETDESK_WINE /usr/lib/wine/wine64)
set(CMAKE_CROSSCOMPILING_EMULATOR
  /usr/bin/env MAPSETDESK_WINE=${MAPSETDESK_WINE}
  /bin/sh ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
