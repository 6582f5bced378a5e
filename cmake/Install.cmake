# What `cmake --install` puts where: the program in bin/, its data (the ten catalogue files, the
# help book, the splash picture, the Images/ folder when there is one) in share/vesperanova, and
# the desktop entry and icons where desktop menus look for them.
set(VN_CATALOGUE_FILES
  bsc5.big cnstline.bin constell.bin messier.bin deepsky.bin names.bin
  eclip.dat milky.bin magellan.bin location.bin)
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

install(FILES "${CMAKE_SOURCE_DIR}/data/vesperanova.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/data/icons/vesperanova.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(_size 48 128)
  install(FILES "${CMAKE_SOURCE_DIR}/data/icons/vesperanova-${_size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
          RENAME vesperanova.png)
endforeach()
