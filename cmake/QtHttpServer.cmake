# Qt HTTP Server for the players' page, found once at the top so that the
# window program, its tests and the benchmarks all see the same target.
# Debian 12's CMake files for it also demand Qt WebSockets' development
# files, which the program does not use; without them the library is taken
# as it is installed.
find_package(Qt6 REQUIRED COMPONENTS Network)
find_package(Qt6HttpServer QUIET)
if(NOT TARGET Qt6::HttpServer)
    find_library(RALLYNOTE_QT_HTTPSERVER_LIBRARY Qt6HttpServer REQUIRED)
    find_path(RALLYNOTE_QT_HTTPSERVER_INCLUDE qabstracthttpserver.h
        PATH_SUFFIXES qt6/QtHttpServer x86_64-linux-gnu/qt6/QtHttpServer REQUIRED)
    get_filename_component(RALLYNOTE_QT_INCLUDE_ROOT ${RALLYNOTE_QT_HTTPSERVER_INCLUDE} DIRECTORY)
    add_library(Qt6::HttpServer UNKNOWN IMPORTED)
    set_target_properties(Qt6::HttpServer PROPERTIES
        IMPORTED_LOCATION ${RALLYNOTE_QT_HTTPSERVER_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES "${RALLYNOTE_QT_HTTPSERVER_INCLUDE};${RALLYNOTE_QT_INCLUDE_ROOT}"
        INTERFACE_LINK_LIBRARIES Qt6::Network)
endif()

# The QR code of the page's address.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET libqrencode)
