# Installing the game and packaging it for Debian.
#
# Layout: the programs in bin/, the sounds and the music in share/tavolex/ (the game looks for a
# bare sound or music name in its program folder, then beside its executable, then in
# ../share/tavolex), the desktop entry and the icon in the freedesktop places.
include(GNUInstallDirs)

file(GLOB TAVOLEX_MEDIA CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/resources/sounds/*.wav ${PROJECT_SOURCE_DIR}/resources/music/*.MID)
set(TAVOLEX_DATADIR ${CMAKE_INSTALL_DATADIR}/tavolex)

if(TARGET tavolex)
    # The built tree plays too: sounds and music are copied beside the built executable.
    add_custom_target(tavolex_media ALL
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TAVOLEX_MEDIA} $<TARGET_FILE_DIR:tavolex>
        DEPENDS ${TAVOLEX_MEDIA}
        COMMENT "Copying sounds and music beside the game")
    add_dependencies(tavolex tavolex_media)
    install(TARGETS tavolex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS tavolex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAVOLEX_MEDIA} DESTINATION ${TAVOLEX_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tavolex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tavolex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME tavolex)
set(CPACK_PACKAGE_VENDOR "Brenvoss")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Two-player Canasta against the computer or over the Internet")
set(CPACK_PACKAGE_CONTACT "Tavolex developers <tavolex@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The build keeps its debugging symbols; the package ships the programs without them.
set(CPACK_STRIP_FILES ON)
# The music needs a General MIDI SoundFont; without one the game is simply silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm | timgm6mb-soundfont")
include(CPack)
