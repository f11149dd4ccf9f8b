# The .ts sources live in resources/Localization; their .qm files are compiled into the program
# under ":/Localization". The mingw Qt carries no Linguist tools, so the host's lrelease is used.
# The toolkit's own catalogues (qt_<code>.qm) are read from "<program dir>/translations", so they
# are copied next to the built program and its tests, and installed beside the program.
set(AIRVANE_QT_TRANSLATIONS_DIR "/usr/share/qt5/translations" CACHE PATH
    "Folder with the toolkit's qt_en.qm, qt_ru.qm and qt_uk.qm (Debian: qttranslations5-l10n)")
set(AIRVANE_LANGUAGE_CODES en ru uk)

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

    airvane_copy_toolkit_translations(${target})
endfunction()

# Copies the toolkit's catalogues into bin/translations (the program) and tests/translations (the
# test executables) of the build tree whenever the target is built, and installs them beside the
# program. qt_<code>.qm only names its modules, which the translator loads from the same folder,
# so those travel with it.
set(AIRVANE_QT_TRANSLATION_MODULES qtbase qtscript qtmultimedia qtxmlpatterns)

function(airvane_copy_toolkit_translations target)
    set(_sources "")
    foreach(_code IN LISTS AIRVANE_LANGUAGE_CODES)
        set(_file ${AIRVANE_QT_TRANSLATIONS_DIR}/qt_${_code}.qm)
        if(NOT EXISTS ${_file})
            message(WARNING "${_file} is missing (Debian package qttranslations5-l10n): "
                "the program will not start in that language")
            continue()
        endif()
        list(APPEND _sources ${_file})
        foreach(_module IN LISTS AIRVANE_QT_TRANSLATION_MODULES)
            if(EXISTS ${AIRVANE_QT_TRANSLATIONS_DIR}/${_module}_${_code}.qm)
                list(APPEND _sources ${AIRVANE_QT_TRANSLATIONS_DIR}/${_module}_${_code}.qm)
            endif()
        endforeach()
    endforeach()
    if(NOT _sources)
        return()
    endif()
    set(_outputs "")
    set(_commands "")
    foreach(_dir IN ITEMS ${PROJECT_BINARY_DIR}/bin/translations ${PROJECT_BINARY_DIR}/tests/translations)
        list(APPEND _commands COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir})
        foreach(_file IN LISTS _sources)
            get_filename_component(_name ${_file} NAME)
            list(APPEND _outputs ${_dir}/${_name})
            list(APPEND _commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_file} ${_dir}/${_name})
        endforeach()
    endforeach()
    add_custom_command(OUTPUT ${_outputs} ${_commands} DEPENDS ${_sources} VERBATIM)
    add_custom_target(${target}_toolkit_translations DEPENDS ${_outputs})
    add_dependencies(${target} ${target}_toolkit_translations)
    install(FILES ${_sources} DESTINATION bin/translations)
endfunction()
