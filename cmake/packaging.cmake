# What an installation holds beyond the two programs and what the Debian package says of itself.
# `scripts/build_package.sh` runs it from the application preset.
include(GNUInstallDirs)

set(packaging_dir ${PROJECT_SOURCE_DIR}/resources/packaging)
# The manual pages and the metainfo carry the project's version.
set(KIRVOLT_CONFIGURED_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
foreach(file kirvolt.1 kirvolt-cli.1 org.nodewerks.Kirvolt.metainfo.xml)
  configure_file(${packaging_dir}/${file}.in ${KIRVOLT_CONFIGURED_PACKAGING_DIR}/${file} @ONLY)
endforeach()
install(FILES ${KIRVOLT_CONFIGURED_PACKAGING_DIR}/kirvolt.1 ${KIRVOLT_CONFIGURED_PACKAGING_DIR}/kirvolt-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/kirvolt-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME kirvolt-cli)

if(KIRVOLT_BUILD_GUI)
  install(FILES ${KIRVOLT_CONFIGURED_PACKAGING_DIR}/org.nodewerks.Kirvolt.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Bitmap icons at the sizes desktops look for, drawn from the one SVG.
  find_program(KIRVOLT_RSVG_CONVERT rsvg-convert)
  if(KIRVOLT_RSVG_CONVERT)
    set(icon_files)
    foreach(size 16 22 24 32 48 64 128 256)
      set(icon ${PROJECT_BINARY_DIR}/icons/${size}x${size}/kirvolt.png)
      add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${KIRVOLT_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${PROJECT_SOURCE_DIR}/resources/kirvolt.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/kirvolt.svg
        VERBATIM)
      list(APPEND icon_files ${icon})
      install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
      install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
              RENAME application-x-kirvolt.png)
    endforeach()
    add_custom_target(kirvolt_icons ALL DEPENDS ${icon_files})
  else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
  endif()
endif()

# The translations and the help pages are compiled into the program's resources.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kirvolt)
set(CPACK_PACKAGE_VENDOR Nodewerks)
set(CPACK_PACKAGE_CONTACT "Kirvolt developers <kirvolt@nodewerks.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for DC circuit analysis")
set(CPACK_PACKAGE_DESCRIPTION
    "Kirvolt lets students draw DC circuits of resistors and ideal sources and learn to analyse\n"
    "them by the node voltage, mesh current and loop current methods, with tutors that check\n"
    "each step, Thevenin and superposition, worked solutions and exercises. kirvolt-cli does\n"
    "the same analyses from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link are read from the binaries themselves (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in the chosen language, and a font with Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-translations-l10n, fonts-wqy-microhei")
include(CPack)
