# Cross-compiles for 64-bit Windows with mingw-w64's posix-thread compilers (the win32-thread
# variant lacks std::thread and std::mutex). The static Qt is passed as CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
if(CMAKE_PREFIX_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
endif()
if(DEFINED ENV{AIRVANE_QT_MINGW})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{AIRVANE_QT_MINGW})
endif()

# Host tools (Qt's moc/uic/rcc, lrelease) run on Linux; libraries and headers come from the
# sysroot or the Qt prefix; Qt's package files live outside the sysroot.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
