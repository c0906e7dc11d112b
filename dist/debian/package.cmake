# The Debian package, made by CPack from the install rules:
#   cpack --config CPackConfig.cmake   ->   planetarium_VERSION_ARCH.deb
# scripts/package.sh makes it the way a packager would (Debian's build flags,
# no tests).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME planetarium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${PLANETARIUM_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-window planetarium with a Japanese user interface")
# The extended description; CPack puts the summary above it and formats it
# for the control file (an empty line separates paragraphs).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Choose an observing site (the Japanese prefectural capitals, 26 world cities
or a typed latitude and longitude), a date and time in Japan Standard Time
and a direction: the window draws the Sun, the Moon, Venus, Mars, Jupiter,
Saturn and about five hundred bright stars as they stand in that part of the
sky, with the celestial equator, the ecliptic, a grid and the star names on
request, animates the time and lists altitudes and azimuths.

The companion program planetarium-cli prints the same results as text, JSON
or CSV, also step by step and for instants given in other time zones, and
draws the chart and the window as PNG, SVG or PDF, for scripts and
classrooms.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Libraries as the binaries need them, and a Japanese Gothic face for the
# window's text (the faces the program asks for, best first).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
# planetarium-cli --tz reads the system's time zone database; the window
# shows Qt's own dialogs in Japanese with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tzdata, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
