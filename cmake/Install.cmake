# What `cmake --install` puts where: the program in bin/, its data (the ten catalogue files, the
# help book, the splash picture, the Images/ folder when there is one) in share/vesperanova, and
# the desktop entry and icons where desktop menus look for them.
# Directories 0755 whatever the umask of the build (the package's directories take these modes).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VN_CATALOGUE_FILES
  bsc5.big cnstline.bin constell.bin messier.bin deepsky.bin names.bin
  eclip.dat milky.bin magellan.bin location.bin)

# The Milky Way's inner brightness levels for the natural style (optional at run time).
list(APPEND VN_CATALOGUE_FILES milkyglow.bin)

# The faint stars are optional at run time (the layer is then unavailable).
list(APPEND VN_CATALOGUE_FILES hipparcos.bin)
set(VN_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/vesperanova")

# The places' time zones travel with the catalogues (optional at run time).
list(APPEND VN_CATALOGUE_FILES placezones.tab)
foreach(_file ${VN_CATALOGUE_FILES})
  install(FILES "${CMAKE_SOURCE_DIR}/data/${_file}" DESTINATION "${VN_DATA_INSTALL_DIR}")
endforeach()
# The catalogue files derive from d3-celestial (BSD-3-Clause): its licence and our provenance notes
# travel with them.
install(FILES "${CMAKE_SOURCE_DIR}/data/sources/d3-celestial/LICENSE"
        DESTINATION "${VN_DATA_INSTALL_DIR}/licences" RENAME d3-celestial-LICENSE)
install(FILES "${CMAKE_SOURCE_DIR}/data/sources/README.md"
        DESTINATION "${VN_DATA_INSTALL_DIR}/licences" RENAME catalogue-sources.md)
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/help" DESTINATION "${VN_DATA_INSTALL_DIR}")
install(FILES "${CMAKE_SOURCE_DIR}/data/splash.svg" DESTINATION "${VN_DATA_INSTALL_DIR}")
if(EXISTS "${CMAKE_SOURCE_DIR}/data/Images")
  install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/Images" DESTINATION "${VN_DATA_INSTALL_DIR}")
endif()

install(FILES "${CMAKE_SOURCE_DIR}/data/org.vesperanova.Vesperanova.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/data/icons/vesperanova.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(_size 48 128)
  install(FILES "${CMAKE_SOURCE_DIR}/data/icons/vesperanova-${_size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
          RENAME vesperanova.png)
endforeach()

# The software centre's description, the manual page, shell completion and the list of built-in
# places that completion offers. Manual page and changelog are compressed as Debian wants them
# (gzip -n: no name or time stamp, so the package is reproducible).
install(FILES "${CMAKE_SOURCE_DIR}/data/metainfo/org.vesperanova.Vesperanova.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${CMAKE_SOURCE_DIR}/data/completion/vesperanova"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
find_program(VN_GZIP gzip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VN_MAN_GZ "${CMAKE_BINARY_DIR}/vesperanova.1.gz")
set(VN_CHANGELOG "${CMAKE_BINARY_DIR}/changelog")
set(VN_CHANGELOG_GZ "${CMAKE_BINARY_DIR}/changelog.gz")
set(VN_PLACES "${CMAKE_BINARY_DIR}/place-names")
configure_file("${CMAKE_SOURCE_DIR}/data/debian/changelog.in" "${VN_CHANGELOG}" @ONLY)
add_custom_command(OUTPUT "${VN_MAN_GZ}"
  COMMAND ${VN_GZIP} -9nc "${CMAKE_SOURCE_DIR}/data/man/vesperanova.1" > "${VN_MAN_GZ}"
  DEPENDS "${CMAKE_SOURCE_DIR}/data/man/vesperanova.1" VERBATIM)
add_custom_command(OUTPUT "${VN_CHANGELOG_GZ}"
  COMMAND ${VN_GZIP} -9nc "${VN_CHANGELOG}" > "${VN_CHANGELOG_GZ}"
  DEPENDS "${VN_CHANGELOG}" VERBATIM)
add_custom_command(OUTPUT "${VN_PLACES}"
  COMMAND ${Python3_EXECUTABLE} "${CMAKE_SOURCE_DIR}/tools/list_places.py"
          "${CMAKE_SOURCE_DIR}/data/location.bin" "${VN_PLACES}"
  DEPENDS "${CMAKE_SOURCE_DIR}/tools/list_places.py" "${CMAKE_SOURCE_DIR}/data/location.bin"
  VERBATIM)
add_custom_target(vn_install_files ALL DEPENDS "${VN_MAN_GZ}" "${VN_CHANGELOG_GZ}" "${VN_PLACES}")
install(FILES "${VN_MAN_GZ}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${VN_PLACES}" DESTINATION "${VN_DATA_INSTALL_DIR}")
install(FILES "${CMAKE_SOURCE_DIR}/data/debian/copyright" "${VN_CHANGELOG_GZ}"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/vesperanova")
