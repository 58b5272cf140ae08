# The Debian package (cpack -G DEB in the build folder). Configure the build
# with the prefix the package installs to (-DCMAKE_INSTALL_PREFIX=/usr), since
# the program compares its own folder with the install folder to find its
# settings.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonalyx)
set(CPACK_PACKAGE_VENDOR "The Tonalyx developers")
set(CPACK_PACKAGE_CONTACT "The Tonalyx developers <tonalyx@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "audition the tones and drum sounds of a MIDI tone module")
set(CPACK_PACKAGE_DESCRIPTION
    "Tonalyx plays one tone of a MIDI tone module (GS, XG or GM, hardware or
software) for as long as its button is held: 128 program buttons named after
the tones of the current bank, 128 drum note buttons named after the
instruments of the current kit, and windows for bank, controllers, test note
and module type. A built-in General MIDI synthesizer plays through the
computer's audio output when no tone module is attached.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/tonalyx/tonalyx")
# The libraries the program links (the versions dpkg-shlibdeps names for a
# Debian 12 build), and the Japanese gothic font of its windows. The built-in
# synth plays the system's General MIDI soundfont, which either package
# provides.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libasound2 (>= 1.0.16), libc6 (>= 2.34), libfluidsynth3 (>= 2.0.5), libgcc-s1 (>= 3.0), \
libjack-jackd2-0 (>= 1.9.10+20150825) | libjack-0.125, libqt6core6 (>= 6.4.0), \
libqt6gui6 (>= 6.1.2), libqt6widgets6 (>= 6.3.0), librtmidi6 (>= 5.0.0), libstdc++6 (>= 11), \
fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm | timgm6mb-soundfont")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
