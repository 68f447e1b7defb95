# The programs are built as Debian builds its own: with the distribution's
# hardening flags from dpkg-buildflags (fortified functions, stack
# protector, position-independent code, read-only relocations bound at
# start), and without the build's folders in any file, so that two builds of
# the same sources in different folders give the same bytes. Not in the
# sanitizer or debug builds, whose programs are not shipped.
option(ZORBIK_DISTRIBUTION_FLAGS "Build with the distribution's hardening flags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(ZORBIK_DISTRIBUTION_FLAGS AND DPKG_BUILDFLAGS AND NOT ZORBIK_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type gives the optimisation and debug information, and the
    # folders are mapped below for the whole source tree.
    list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*)$")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()

# Source and build folders as relative names in debug information and
# __FILE__; the build folder last, as it may lie inside the sources and the
# last match wins. A debug build keeps the full names for the debugger.
if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()
