# Compiler flags shared by every target of this project (directory scope).
add_compile_definitions(
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00
    AIRVANE_FTP_HOST="${AIRVANE_FTP_HOST}"
    AIRVANE_FTP_USER="${AIRVANE_FTP_USER}"
    AIRVANE_FTP_PASSWORD="${AIRVANE_FTP_PASSWORD}"
    AIRVANE_MAKER_TIME_ZONE="${AIRVANE_MAKER_TIME_ZONE}"
    AIRVANE_WEB_HOST="${AIRVANE_WEB_HOST}"
    AIRVANE_VERSION="${PROJECT_VERSION}")

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wno-unused-parameter)
    if(AIRVANE_WERROR)
        add_compile_options(-Werror)
    endif()
endif()

if(AIRVANE_SANITIZE)
    string(REPLACE ";" "," _san "${AIRVANE_SANITIZE}")
    add_compile_options(-fsanitize=${_san} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=${_san})
endif()

# Files named *_win.cpp/.h are compiled only for Windows, *_posix.cpp/.h only elsewhere: the one place
# that picks a platform is the build, not #ifdefs spread through the code.
function(airvane_collect_sources out)
    set(_files)
    foreach(_dir IN LISTS ARGN)
        file(GLOB _found CONFIGURE_DEPENDS
            ${AIRVANE_ROOT}/src/${_dir}/*.cpp
            ${AIRVANE_ROOT}/src/${_dir}/*.h
            ${AIRVANE_ROOT}/src/${_dir}/*.ui)
        list(APPEND _files ${_found})
    endforeach()
    if(WIN32)
        list(FILTER _files EXCLUDE REGEX "_posix\\.(cpp|h)$")
    else()
        list(FILTER _files EXCLUDE REGEX "_win\\.(cpp|h)$")
    endif()
    set(${out} ${_files} PARENT_SCOPE)
endfunction()
