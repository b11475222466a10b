# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME tamovid)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tamovid developers")
set(CPACK_PACKAGE_CONTACT "The Tamovid developers <developers@tamovid.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compute the five Aprakasha Grahas of a birth chart")
set(CPACK_PACKAGE_DESCRIPTION
    "Tamovid computes, for one birth, the five Aprakasha Grahas of Vedic astrology
(Dhuma, Vyatipata, Parivesha, Chapa and Upaketu) from the sidereal Sun, finds the
sidereal Ascendant, and shows for each point its position, lord, description, house
and an interpretation. Charts are saved to and opened from small .vug files.
.
The package holds the desktop program, tamovid, and the command-line tool,
tamovid-cli, for single charts, saved charts and CSV batches written as JSON Lines.
.
Tamovid is licensed under the GPL-3.0-or-later. It links the Swiss Ephemeris
library, licensed under the AGPL-3.0, so the program as distributed in this
package is under the terms of the AGPL-3.0 for the part the library covers.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TAMOVID_SITE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends from the libraries the programs really link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The zone files the programs read the places' clock history from; no library links them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
# Menu, file-type and icon caches are refreshed by the triggers of the packages that own
# them; these make sure the desktop finds the icon and the chart file type.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
# The ephemeris data files give the precise engine JPL precision for 1800-2400; without
# them the library's analytic ephemeris is used, and readings say so.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", swe-basic-data")

include(CPack)
