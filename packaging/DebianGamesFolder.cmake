# Run by cpack on the staged files before the Debian package is made: Debian
# keeps the programs of games in /usr/games (not /usr/bin), so the launcher
# moves there in the package. The suite in /usr/lib/zorbik stays where it is;
# the launcher finds it from either folder as ../lib/zorbik.
set(stage "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(EXISTS "${stage}/bin/zorbik")
  file(MAKE_DIRECTORY "${stage}/games")
  file(RENAME "${stage}/bin/zorbik" "${stage}/games/zorbik")
  file(GLOB left "${stage}/bin/*")
  if(NOT left)
    file(REMOVE_RECURSE "${stage}/bin")
  endif()
endif()
