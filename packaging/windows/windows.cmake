# The program for 64-bit Windows: a windowed executable with its icon, manifest and version
# information, installed in one folder with the Qt and compiler libraries it needs, and packed by
# CPack into an NSIS installer, velquist-<version>-win64.exe, and a portable ZIP copy.

set_target_properties(velquist PROPERTIES WIN32_EXECUTABLE ON)

# The icon, drawn from the desktop icon at the sizes Explorer and the task bar ask for.
set(iconFile ${CMAKE_CURRENT_BINARY_DIR}/velquist.ico)
set(iconSizes 16 24 32 48 64 256)
set(iconPictures)
foreach(size ${iconSizes})
    list(APPEND iconPictures ${CMAKE_CURRENT_BINARY_DIR}/icon/${size}.png)
    add_custom_command(
        OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icon/${size}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
        COMMAND rsvg-convert -w ${size} -h ${size} -o ${CMAKE_CURRENT_BINARY_DIR}/icon/${size}.png
            ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${appId}.svg
        DEPENDS desktop/${appId}.svg)
endforeach()
add_custom_command(OUTPUT ${iconFile}
    COMMAND convert ${iconPictures} ${iconFile}
    DEPENDS ${iconPictures}
    COMMENT "Drawing velquist.ico")
set(manifestFile ${CMAKE_CURRENT_BINARY_DIR}/velquist.manifest)
configure_file(packaging/windows/velquist.manifest ${manifestFile} @ONLY)
configure_file(packaging/windows/velquist.rc.in ${CMAKE_CURRENT_BINARY_DIR}/velquist.rc @ONLY)
target_sources(velquist PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/velquist.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/velquist.rc PROPERTIES
    OBJECT_DEPENDS "${iconFile};${manifestFile}")

# One folder holds everything: the program, its sounds, the licence, and the libraries it loads.
install(TARGETS velquist RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/hit.wav ${CMAKE_BINARY_DIR}/default.wav DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# The libraries it loads, stripped of their symbols on the way (the compiler's own carry 20 MB):
# Qt's, the Windows platform plugin and style, and the compiler's run-time libraries, which Qt's
# libraries and the program link. Each goes into the folder given before it.
set(qtBin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qtPlugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
set(libraries . ${qtBin}/Qt6Core.dll ${qtBin}/Qt6Gui.dll ${qtBin}/Qt6Widgets.dll
    platforms ${qtPlugins}/platforms/qwindows.dll styles ${qtPlugins}/styles/qwindowsvistastyle.dll
    .)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE runtimePath OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtimePath}")
        message(FATAL_ERROR "The compiler's ${runtime} was not found")
    endif()
    list(APPEND libraries ${runtimePath})
endforeach()
set(strippedLibraries)
foreach(library ${libraries})
    if(NOT library MATCHES "\\.dll$")
        set(folder ${library})
        continue()
    endif()
    get_filename_component(name ${library} NAME)
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/libraries/${folder}/${name})
    add_custom_command(OUTPUT ${stripped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/libraries/${folder}
        COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${library}
        DEPENDS ${library})
    list(APPEND strippedLibraries ${stripped})
    install(FILES ${stripped} DESTINATION ${folder})
endforeach()
add_custom_target(windowsLibraries ALL DEPENDS ${strippedLibraries})

set(CPACK_PACKAGE_NAME velquist)
set(CPACK_PACKAGE_VENDOR "The Velquist developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Velquist, a typing game")
set(CPACK_PACKAGE_FILE_NAME velquist-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velquist)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velquist)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_EXECUTABLES velquist Velquist) # the Start-menu shortcut
set(CPACK_NSIS_DISPLAY_NAME Velquist)
set(CPACK_NSIS_PACKAGE_NAME Velquist)
set(CPACK_NSIS_INSTALLED_ICON_NAME velquist.exe)
set(CPACK_NSIS_MUI_ICON ${iconFile})
set(CPACK_NSIS_MUI_UNIICON ${iconFile})
set(CPACK_NSIS_URL_INFO_ABOUT "https://github.com/velquist/velquist")
# A 64-bit installer, which installs into the 64-bit Program Files and registers the uninstaller
# in the 64-bit view of the registry, where "Installed apps" looks.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetRegView 64")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "SetRegView 64")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
