# Installing on Linux, the FHS and Debian games way, and the Debian package
# (`make package`, CPack). Included from the top-level CMakeLists.txt.
#
#   games/viprats                  the launcher: runs the program in the player's folder
#   lib/games/viprats/viprats      the program
#   share/games/viprats/           the data tree the program reads
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man6, share/doc/viprats

set(VIPRATS_APP_ID "lv.viprats.viprats")
set(VIPRATS_MAINTAINER "viPRats maintainers <maintainers@users.noreply.c-seed-2a4c581f.example>"
    CACHE STRING "Maintainer of the Debian package, as Name <address>")
set(VIPRATS_INSTALL_GAMESDIR "games" CACHE STRING "Launcher, under the install prefix")
set(VIPRATS_INSTALL_PROGRAMDIR "lib/games/viprats" CACHE STRING "Program, under the install prefix")
set(VIPRATS_INSTALL_DATADIR "share/games/viprats" CACHE STRING "Data tree, under the install prefix")

set(PACKAGING_SOURCE "${CMAKE_CURRENT_LIST_DIR}")
set(PACKAGING_BUILD "${CMAKE_BINARY_DIR}/packaging")

# The launcher finds the program and the data from where it lies itself.
file(RELATIVE_PATH LAUNCHER_TO_PROGRAM "/prefix/${VIPRATS_INSTALL_GAMESDIR}" "/prefix/${VIPRATS_INSTALL_PROGRAMDIR}/viprats")
file(RELATIVE_PATH LAUNCHER_TO_DATA "/prefix/${VIPRATS_INSTALL_GAMESDIR}" "/prefix/${VIPRATS_INSTALL_DATADIR}")
# The man page names the data tree where the package puts it.
set(VIPRATS_FULL_DATA_DIR "/usr/${VIPRATS_INSTALL_DATADIR}")
configure_file("${PACKAGING_SOURCE}/viprats.in" "${PACKAGING_BUILD}/viprats" @ONLY)
configure_file("${PACKAGING_SOURCE}/${VIPRATS_APP_ID}.metainfo.xml" "${PACKAGING_BUILD}/${VIPRATS_APP_ID}.metainfo.xml" @ONLY)
configure_file("${PACKAGING_SOURCE}/copyright" "${PACKAGING_BUILD}/copyright" @ONLY)
foreach(page viprats.6 changelog)
  configure_file("${PACKAGING_SOURCE}/${page}" "${PACKAGING_BUILD}/${page}" @ONLY)
  # -n: no name or time stamp in the archive, so the package builds the same twice.
  add_custom_command(OUTPUT "${PACKAGING_BUILD}/${page}.gz"
    COMMAND gzip -9nf -k "${PACKAGING_BUILD}/${page}"
    DEPENDS "${PACKAGING_BUILD}/${page}"
    VERBATIM)
  list(APPEND PACKAGING_PAGES "${PACKAGING_BUILD}/${page}.gz")
endforeach()
add_custom_target(packaging_pages ALL DEPENDS ${PACKAGING_PAGES})

# The icon in the usual sizes, drawn by the asset generator.
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(ICON_FILES)
foreach(size ${ICON_SIZES})
  list(APPEND ICON_FILES "${PACKAGING_BUILD}/icons/${size}x${size}/viprats.png")
endforeach()
add_custom_command(OUTPUT ${ICON_FILES}
  COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/assetgen/icon.py" "${PACKAGING_BUILD}/icons"
  DEPENDS ${ASSETGEN_SOURCES}
  COMMENT "Drawing the icon"
  VERBATIM)
add_custom_target(icons ALL DEPENDS ${ICON_FILES})

# Debian's hardening for the program the package carries: read-only
# relocations bound at start, and the C library's checked string and memory
# calls (not under the sanitizers, which check those calls themselves).
target_link_options(viprats PRIVATE -Wl,-z,relro -Wl,-z,now)
if(NOT VIPRATS_SANITIZE AND NOT VIPRATS_FUZZ)
  target_compile_definitions(viprats_game PUBLIC $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()

install(TARGETS viprats RUNTIME DESTINATION "${VIPRATS_INSTALL_PROGRAMDIR}")
install(PROGRAMS "${PACKAGING_BUILD}/viprats" DESTINATION "${VIPRATS_INSTALL_GAMESDIR}")
# Screenshots taken while playing from the source tree are the developer's, not data.
install(DIRECTORY "${VIPRATS_DATA_DIR}/" DESTINATION "${VIPRATS_INSTALL_DATADIR}"
  PATTERN ".*" EXCLUDE
  PATTERN "*.part" EXCLUDE
  PATTERN "*.bmp" EXCLUDE)
install(FILES "${PACKAGING_SOURCE}/${VIPRATS_APP_ID}.desktop" DESTINATION share/applications)
install(FILES "${PACKAGING_BUILD}/${VIPRATS_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
foreach(size ${ICON_SIZES})
  install(FILES "${PACKAGING_BUILD}/icons/${size}x${size}/viprats.png"
    DESTINATION "share/icons/hicolor/${size}x${size}/apps")
endforeach()
install(FILES "${PACKAGING_BUILD}/viprats.6.gz" DESTINATION share/man/man6)
install(FILES "${PACKAGING_BUILD}/copyright" "${PACKAGING_BUILD}/changelog.gz" DESTINATION share/doc/viprats)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME viprats)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VIPRATS_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The data is mostly pictures and music that are compressed already; xz
# would take minutes over them for little.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "growing-up game played with the keyboard")
set(CPACK_PACKAGE_DESCRIPTION [=[
viPRats is a single-player 2D game played with the keyboard alone. You follow
one character as it grows up, level by level: a one-minute shooter in which a
swimming cell dodges obstacles and shoots rivals; a house, where it keeps its
needs in check and delivers eleven items against the clock; a farmstead with
missions given through yes/no dialogs; and a small town with a fight, a shop,
hunting, a race and car tuning. Mini-games wait at marked spots, and an in-game
music panel plays ten tracks. Texts are in Latvian and English.

The game runs full screen at 1024x768 (F11 switches to a window) and keeps its
screenshots in the player's own folder.]=])
include(CPack)

# The package built, unpacked into a scratch root and run from there as a
# player would (tests/installed/run.sh); not of the sanitizer build, whose
# program will not start with the key preload before its runtime.
if(VIPRATS_TESTS AND NOT VIPRATS_SANITIZE AND (NOT VIPRATS_TEST_ONLY OR "installed" MATCHES "^(${VIPRATS_TEST_ONLY})"))
  add_library(installed_keys MODULE tests/installed/keys_preload.cpp)
  target_link_libraries(installed_keys PRIVATE PkgConfig::SDL dl)
  add_test(NAME Package.Builds
    COMMAND cpack -G DEB -B "${CMAKE_BINARY_DIR}/package-test" --config "${CMAKE_BINARY_DIR}/CPackConfig.cmake")
  set_tests_properties(Package.Builds PROPERTIES FIXTURES_SETUP deb)
  add_test(NAME Package.MetadataValidates
    COMMAND sh -c "desktop-file-validate \"$0\" && appstreamcli validate --no-net \"$1\""
      "${PACKAGING_SOURCE}/${VIPRATS_APP_ID}.desktop" "${PACKAGING_BUILD}/${VIPRATS_APP_ID}.metainfo.xml")
  add_test(NAME Package.RunsUnpackedForAPlayer
    COMMAND sh "${CMAKE_SOURCE_DIR}/tests/installed/run.sh" --deb-dir "${CMAKE_BINARY_DIR}/package-test"
      --keys "$<TARGET_FILE:installed_keys>")
  set_tests_properties(Package.RunsUnpackedForAPlayer PROPERTIES FIXTURES_REQUIRED deb TIMEOUT 300)
endif()
