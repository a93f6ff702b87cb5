# Driftwing as a desktop application and as a Debian package.
#
#   cmake --install build --prefix /usr      # the game, its sounds, desktop files
#   cd build && cpack -G DEB                 # driftwing_<version>_amd64.deb
#
# One id names the launcher entry, the AppStream entry and the icon. The
# addresses are the ones the game and its AppStream entry show.
set(DRIFTWING_APP_ID io.github.driftwing.Driftwing)
set(DRIFTWING_HOMEPAGE https://driftwing.example.org)
set(DRIFTWING_CONTACT "The Driftwing developers <hello@driftwing.example.org>")

add_subdirectory(${CMAKE_SOURCE_DIR}/dist ${CMAKE_BINARY_DIR}/dist)
# The game names its launcher entry to the desktop, which shows its icon by it.
target_compile_definitions(driftwing PRIVATE DRIFTWING_APP_ID="${DRIFTWING_APP_ID}")

set(CPACK_PACKAGE_NAME driftwing)
set(CPACK_PACKAGE_VENDOR "The Driftwing developers")
set(CPACK_PACKAGE_CONTACT ${DRIFTWING_CONTACT})
set(CPACK_PACKAGE_HOMEPAGE_URL ${DRIFTWING_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down racing game with a story, duels and a bonus shooter")
set(CPACK_PACKAGE_DESCRIPTION
    "Driftwing is a small top-down racing game: keep your car just above top speed\n"
    "without overheating the engine while the road scrolls past. It has a story of\n"
    "five stage races told in Traditional Chinese dialogue, a battle for two players\n"
    "at one keyboard, a network battle between two machines over TCP, and a bonus\n"
    "side-scrolling shooter.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DRIFTWING_CONTACT})
# Libraries come from dpkg-shlibdeps (package dpkg-dev). Beyond them the game
# needs a General MIDI soundfont for its music, the font its windows are laid
# out in (the Chinese texts need it), and Qt's platform plugins; Wayland
# desktops run it natively with qt6-wayland, otherwise through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm, fonts-wqy-microhei, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
