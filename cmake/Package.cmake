# `make package` (cpack -G DEB in the build tree): vesperanova_<version>_amd64.deb installing under
# /usr, its run-time dependencies found by dpkg-shlibdeps from the linked libraries.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vesperanova")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vesperanova developers")
set(CPACK_PACKAGE_CONTACT "Vesperanova developers <maintainers@vesperanova.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop planetarium: a chart of the sky for any date and place")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vesperanova draws a chart of the sky for a chosen date, clock time and
place on Earth, with 9095 bright stars in their colours, constellation
figures and boundaries, Messier and NGC objects, the Milky Way, and the
Moon, the Sun and the planets, whose positions it computes itself. The
chart shows the equatorial sphere or the local sky above the horizon,
zooms over twelve levels, animates time, finds objects and shows their
data.
.
On the command line it prints the positions of the Sun, Moon and
planets or an object's data, or draws a chart into a PNG, SVG or PDF
file without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vesperanova.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The chart's face ("Arial") is drawn with the metric-compatible Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Control files with the modes Debian wants (0644), whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
