# Run at install time: writes the desktop entry with the path the program is
# installed at, so that the menu starts it whatever the prefix (and for the
# Debian package, at /usr/bin). Given by the install rules before it:
# LUMIVARA_DESKTOP_IN, LUMIVARA_DESKTOP_OUT, LUMIVARA_APP_ID, LUMIVARA_BINDIR.
if(NOT IS_ABSOLUTE "${LUMIVARA_BINDIR}")
  set(LUMIVARA_EXEC "${CMAKE_INSTALL_PREFIX}/${LUMIVARA_BINDIR}/lumivara")
else()
  set(LUMIVARA_EXEC "${LUMIVARA_BINDIR}/lumivara")
endif()
cmake_path(NORMAL_PATH LUMIVARA_EXEC)
# A path with spaces is quoted, as desktop entries require.
if(LUMIVARA_EXEC MATCHES " ")
  set(LUMIVARA_EXEC "\"${LUMIVARA_EXEC}\"")
endif()
configure_file("${LUMIVARA_DESKTOP_IN}" "${LUMIVARA_DESKTOP_OUT}" @ONLY)
