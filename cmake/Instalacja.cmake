# What `cmake --install` puts where (GNUInstallDirs), and the Debian package made from it by CPack.
# The program finds its data at ../share/murolab relative to its executable (src/files/PlikiDanych.h).
include(GNUInstallDirs)

file(RELATIVE_PATH MUROLAB_DANE_WZGLEDNE ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/murolab)
if(NOT MUROLAB_DANE_WZGLEDNE STREQUAL "../share/murolab")
    message(WARNING "The installed program looks for its data in ../share/murolab beside ${CMAKE_INSTALL_BINDIR}, "
                    "not in ${MUROLAB_DANE_WZGLEDNE}: set MUROLAB_DANE when running it.")
endif()

install(TARGETS murolab RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data directory as the build makes it (ula.dat, the catalogue's groups, pictures, help, the
# example project, climates): build/dane becomes share/murolab. A scratch file left by a catalogue
# rebuild is no part of it.
install(DIRECTORY ${MUROLAB_KATALOG_DANYCH}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/murolab
        PATTERN "Temp.ath" EXCLUDE
        PATTERN "*.kopia" EXCLUDE)

set(MUROLAB_LINUX ${PROJECT_SOURCE_DIR}/data/linux)
install(FILES ${MUROLAB_LINUX}/murolab.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MUROLAB_LINUX}/io.github.murolab.murolab.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/ikony/murolab.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(rozmiar 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/ikony/murolab-${rozmiar}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${rozmiar}x${rozmiar}/apps RENAME murolab.png)
endforeach()

# The manual page, compressed as Debian keeps them.
find_program(MUROLAB_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/murolab.1.gz
    COMMAND ${MUROLAB_GZIP} -9 -n -c ${MUROLAB_LINUX}/murolab.1 > ${CMAKE_BINARY_DIR}/murolab.1.gz
    DEPENDS ${MUROLAB_LINUX}/murolab.1
    COMMENT "Strona podręcznika murolab(1)")
add_custom_target(murolab_podrecznik ALL DEPENDS ${CMAKE_BINARY_DIR}/murolab.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/murolab.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---- the Debian package: scripts/pakiet.sh, or `cpack` in the build directory
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME murolab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zespół programu Murolab")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/pakiety)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zespół programu Murolab" CACHE STRING "Maintainer field of the package")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; the platform plugins that Qt loads at
# run time (the window on X11 or Wayland, offscreen for the report from the command line) and the
# Polish texts of Qt's own buttons are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core, fonts-liberation")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wstępna analiza cieplno-wilgotnościowa przegród budowlanych")
# The summary above is the package's one-line synopsis; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Murolab opisuje przegrodę budowlaną (ścianę zewnętrzną, stropodach, strop nad
piwnicą i inne) warstwa po warstwie, z katalogu materiałów lub z danych
własnych, i oblicza współczynnik przenikania ciepła U z poprawkami, rozkład
temperatur, ciśnienia pary wodnej metodą Glasera, punkt rosy i ocenę
kondensacji powierzchniowej, a także kondensację międzywarstwową (płaszczyzny
kondensacji i bilans roczny według EN ISO 13788 dla klimatu z listy lub
własnego), czynnik fRsi, wymagania WT 2021 (Umax, fRsi, bilans roczny) oraz
parametry letnie według EN ISO 13786 (tłumienie, przesunięcie fazowe,
pojemności cieplne). Wyniki pokazuje w arkuszach i na wykresach;
trzystronicowy raport z opisem projektu można wydrukować lub zapisać w PDF.

Polecenie murolab --oblicz PLIK.pro oblicza jeden lub wiele projektów bez
okna i wypisuje wyniki jako tabelę lub JSON (przy wielu plikach JSON Lines),
opcjonalnie zapisując raport PDF.")
include(CPack)
