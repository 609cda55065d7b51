# `cmake --build build --target package` (make package): a Debian package of what `cmake --install`
# puts in place, under /usr. Its Depends are read off the programs' shared libraries by
# dpkg-shlibdeps (dpkg-dev), so they name the Qt, oneTBB and C++ runtime packages the build really
# linked, at the versions it needs.
set(KARNOTH_MAINTAINER "Karnoth maintainers <maintainers@users.noreply.c-seed-69af970c.example>"
    CACHE STRING "The Debian package's Maintainer field")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME karnoth)
set(CPACK_PACKAGE_VENDOR "Karnoth")
set(CPACK_PACKAGE_CONTACT "${KARNOTH_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plans sterilisation programmes for a town's dogs")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Karnoth sets the owned and street dogs of a town to equilibrium from a few\n"
       "life-history figures and projects them year by year under abandonment,\n"
       "culling and a sterilisation programme. A planner finds the cheapest programme\n"
       "that reaches a target, sensitivity and uncertainty views say how sure the\n"
       "answer is, and a PDF report puts it before a council.\n"
       "The package holds the window (karnoth), with its desktop menu entry and icon,\n"
       "and the same window without a window for scripts (karnoth-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)  # the RelWithDebInfo programs are several times their stripped size
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # karnoth_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KARNOTH_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (standard buttons) in Spanish and Portuguese; Karnoth runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_BINARY_DIR}")
include(CPack)
