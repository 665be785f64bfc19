# The Debian package, made by `cpack -G DEB` from the install rules (scripts/package.sh): the
# control file is written by CPack, the dependencies are read from the program by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_CONTACT "${TOLVANE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop side bar with clock, weather, mail and system load")
# One string: its lines become the long description's lines, an empty one a paragraph break.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tolvane is a narrow window docked at the edge of the screen that tells at\n"
    "a glance the time, the weather, whether mail is waiting on POP3 servers\n"
    "and how busy the processor, the memory, the disks and the network are.\n"
    "\n"
    "It also launches favourite files, programs and web addresses, keeps\n"
    "sticky notes with reminders and a small enciphered store of personal\n"
    "data. Its look comes from skins, and its user interface is in French.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOLVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Links and sounds open through xdg-open; the reminder plays through the first player present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pipewire-bin | pulseaudio-utils | alsa-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders the install creates get the usual 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The package needs only the program and what it depends on (its data and documents), never the
# tests and tools: installing does not build everything first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
