# The .ts sources live in resources/Localization; their .qm files are compiled into the program
# under ":/Localization". The mingw Qt carries no Linguist tools, so the host's lrelease is used.
function(airvane_add_translations target)
    file(GLOB _ts CONFIGURE_DEPENDS ${AIRVANE_ROOT}/resources/Localization/*.ts)
    if(NOT _ts)
        return()
    endif()
    find_program(AIRVANE_LRELEASE NAMES lrelease lrelease-qt5
        HINTS /usr/lib/qt5/bin /usr/lib/x86_64-linux-gnu/qt5/bin)
    if(NOT AIRVANE_LRELEASE)
        message(FATAL_ERROR "lrelease was not found (Debian package qttools5-dev-tools)")
    endif()
    set(_qrc ${CMAKE_CURRENT_BINARY_DIR}/localization.qrc)
    set(_entries "")
    set(_qms "")
    foreach(_file IN LISTS _ts)
        get_filename_component(_name ${_file} NAME_WE)
        set(_qm ${CMAKE_CURRENT_BINARY_DIR}/${_name}.qm)
        add_custom_command(OUTPUT ${_qm}
            COMMAND ${AIRVANE_LRELEASE} -silent ${_file} -qm ${_qm}
            DEPENDS ${_file} VERBATIM)
        list(APPEND _qms ${_qm})
        string(APPEND _entries "    <file alias=\"Localization/${_name}.qm\">${_qm}</file>\n")
    endforeach()
    file(WRITE ${_qrc}.in "<RCC>\n  <qresource prefix=\"/\">\n${_entries}  </qresource>\n</RCC>\n")
    configure_file(${_qrc}.in ${_qrc} COPYONLY)
    set_source_files_properties(${_qrc} PROPERTIES OBJECT_DEPENDS "${_qms}")
    target_sources(${target} PRIVATE ${_qrc})
endfunction()
