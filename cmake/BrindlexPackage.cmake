# The Debian package: `cpack -G DEB` in the build folder makes brindlex_<version>_<arch>.deb
# of everything `cmake --install` installs, under /usr.

set(CPACK_PACKAGE_NAME brindlex)
set(CPACK_PACKAGE_VENDOR "The Brindlex developers")
set(CPACK_PACKAGE_CONTACT "${BRINDLEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${BRINDLEX_SUMMARY}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${BRINDLEX_HOME_PAGE}/")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 0755 whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
brindlex_description_text(CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRINDLEX_MAINTAINER}")
# dpkg-shlibdeps names the libraries the programs load, Qt's among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for the buttons of message boxes and the file chooser in German
# and Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
