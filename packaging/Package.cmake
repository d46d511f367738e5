# The Debian package. After ./run has built the Release tree:
#   cmake --build build --target package      -> build/korbanix_<version>_amd64.deb
# It holds what the install rules place under /usr, built as the tree is built
# (./run's tree is Release; sanitizer trees do not include this file).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korbanix)
set(CPACK_PACKAGE_VENDOR "Korbanix developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korbanix developers <developers@korbanix.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The synopsis, in the lower-case noun phrase Debian's package lists use.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "media converter for portable players and consoles")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Depends: the libraries the two programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window opens the output folder and the help page through xdg-open; the
# toolkit's own texts (standard buttons, file choosers) speak the person's language
# with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
# The long description below the synopsis (CPack indents it and marks empty lines).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korbanix converts video and audio files into files that game consoles,
portable players and phones play: PS3 and PSP video profiles and plain WAV,
MP3 and WMA audio. Add files to a task list, pick a profile, change its
encoders, picture size, frame rate, bit rates and sound, trim a task to the
part you want while it plays, then convert every checked task into its own
file or join them into one. Video outputs get a small .THM thumbnail beside
them.

The package holds the window (korbanix) and the command-line converter
(korbanix-cli), which runs the same conversions from scripts.")

include(CPack)
