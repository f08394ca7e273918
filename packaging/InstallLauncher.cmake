# Run by cmake --install: writes the launcher for the prefix chosen now and installs it.
# Expects ZELTO_LAUNCHER_SOURCE, ZELTO_LAUNCHER_WORKDIR, ZELTO_INSTALL_GAMEDIR, ZELTO_INSTALL_DATADIR.

# The prefix goes inside single quotes in the script.
string(REPLACE "'" "'\\''" ZELTO_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")

# One folder per destination, so a cpack run and an install side by side never
# pick up each other's launcher.
string(MD5 zelto_launcher_key "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(zelto_launcher "${ZELTO_LAUNCHER_WORKDIR}/${zelto_launcher_key}/zelto2000")
configure_file("${ZELTO_LAUNCHER_SOURCE}" "${zelto_launcher}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/bin" TYPE PROGRAM FILES "${zelto_launcher}")
