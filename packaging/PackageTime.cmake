# The package's file times, worked out when cpack runs (see PackageTime.cmake.in).
configure_file(${CMAKE_CURRENT_LIST_DIR}/PackageTime.cmake.in ${CMAKE_BINARY_DIR}/PackageTime.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageTime.cmake)
