# The program's texts in other languages: one velquist_<language>.ts file each, which lrelease
# compiles into build/translations/velquist_<language>.qm, beside the program as it is installed.
# `cmake --build build --target update_translations` runs lupdate over the sources, to bring every
# .ts file up to date with the texts in the code. To add a language, add it to this list and run
# that target, which makes its .ts file.
set(languages cs de el es fr it nl pl pt_BR ru tr uk)

set(translationsFolder ${CMAKE_BINARY_DIR}/translations)
set(tsFiles)
foreach(language ${languages})
    list(APPEND tsFiles ${CMAKE_CURRENT_SOURCE_DIR}/translations/velquist_${language}.ts)
endforeach()
set_source_files_properties(${tsFiles} ${CMAKE_CURRENT_SOURCE_DIR}/translations/qtbase_el.ts
    PROPERTIES OUTPUT_LOCATION ${translationsFolder})
# The play area's texts are marked by translateForPlayArea; the desktop entry's and the AppStream
# metainfo's by the program that writes their translations.
set(lupdateOptions -tr-function-alias translate+=translateForPlayArea -locations none -no-obsolete)
set(lupdateSources)
foreach(source forms/frmMain.h forms/frmHigh.h ${coreSources} desktop/translateDesktop.cpp)
    list(APPEND lupdateSources ${CMAKE_CURRENT_SOURCE_DIR}/${source})
endforeach()
qt_add_translations(velquist_core
    TS_FILES ${tsFiles}
    SOURCES ${lupdateSources}
    QM_FILES_OUTPUT_VARIABLE qmFiles
    LUPDATE_OPTIONS ${lupdateOptions})

# Qt's own texts, the boxes' buttons among them, come from Qt's catalogues: the system's on Linux
# (Debian's qt6-translations-l10n), shipped beside the program on Windows. Qt has none in Greek: the
# game's own qtbase_el.ts gives the few the game shows.
set(gameCatalogues ${qmFiles})
qt_add_lrelease(velquist TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/translations/qtbase_el.ts
    QM_FILES_OUTPUT_VARIABLE ownQtFiles)
list(APPEND qmFiles ${ownQtFiles})

if(WIN32)
    set(translationsDestination translations)
    set(qtTranslations)
    foreach(language ${languages})
        # Debian's, made from the same Qt version as Qt for Windows.
        set(catalogue /usr/share/qt6/translations/qtbase_${language}.qm)
        if(EXISTS ${catalogue})
            list(APPEND qtTranslations ${catalogue})
        endif()
    endforeach()
    install(FILES ${qtTranslations} DESTINATION ${translationsDestination})
else()
    set(translationsDestination lib/velquist/translations)

    # The desktop entry and the metainfo, with their texts in every language.
    add_executable(translateDesktop desktop/translateDesktop.cpp)
    target_link_libraries(translateDesktop PRIVATE Qt6::Core)
    set(translatedDesktopEntry ${CMAKE_BINARY_DIR}/desktop/${appId}.desktop)
    set(translatedMetainfo ${CMAKE_BINARY_DIR}/desktop/${appId}.metainfo.xml)
    add_custom_command(
        OUTPUT ${translatedDesktopEntry} ${translatedMetainfo}
        COMMAND translateDesktop ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${appId}.desktop
            ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${appId}.metainfo.xml ${CMAKE_BINARY_DIR}/desktop
            ${gameCatalogues}
        DEPENDS translateDesktop desktop/${appId}.desktop desktop/${appId}.metainfo.xml
            ${gameCatalogues}
        COMMENT "Translating the desktop entry and the metainfo")
    add_custom_target(desktopFiles ALL DEPENDS ${translatedDesktopEntry} ${translatedMetainfo})
endif()
install(FILES ${qmFiles} DESTINATION ${translationsDestination})
