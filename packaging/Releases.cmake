# The releases come from one file, packaging/changelog, in the Debian
# changelog's format, read with dpkg-parsechangelog: the project's version is
# its newest entry's, the package installs it as the Debian changelog, and
# the software centre's release list (version, date and notes of every entry)
# and the manual page's date are made from it. Read before project(), which
# takes the version from here.
#
#   ZORBIK_CHANGELOG_VERSION  the newest entry's version
#   ZORBIK_RELEASE_MONTH      its month, "December 2026"
#   ZORBIK_RELEASE_EPOCH      its time in seconds since 1970 (UTC)
#   ZORBIK_METAINFO_RELEASES  the <release> elements of every entry
set(ZORBIK_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORBIK_CHANGELOG})

find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)

# One field of the entry `offset` entries below the newest.
function(zorbik_changelog_field offset field out)
  execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${ZORBIK_CHANGELOG} --offset ${offset} --count 1 -S ${field}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${ZORBIK_CHANGELOG}: dpkg-parsechangelog cannot read the ${field} of entry ${offset}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# A time in seconds since 1970 written in `format` (UTC, English month names).
function(zorbik_format_time epoch format out)
  execute_process(COMMAND env LC_ALL=C date -u -d @${epoch} +${format}
                  OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(zorbik_xml_text text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

zorbik_changelog_field(0 Version ZORBIK_CHANGELOG_VERSION)
zorbik_changelog_field(0 Timestamp ZORBIK_RELEASE_EPOCH)
if(NOT ZORBIK_CHANGELOG_VERSION OR NOT ZORBIK_RELEASE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${ZORBIK_CHANGELOG}: no newest entry with a version and a date")
endif()
zorbik_format_time(${ZORBIK_RELEASE_EPOCH} "%B %Y" ZORBIK_RELEASE_MONTH)

# Each entry's changes as list items: "  * " starts one, deeper lines go on.
execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${ZORBIK_CHANGELOG} --all --format rfc822
                OUTPUT_VARIABLE stanzas COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "(^|\n)Version: [^\n]+" versions "${stanzas}")
list(TRANSFORM versions REPLACE "^\n?Version: " "")
set(releases "")
set(offset 0)
foreach(version IN LISTS versions)
  zorbik_changelog_field(${offset} Timestamp epoch)
  zorbik_format_time(${epoch} "%F" date)
  zorbik_changelog_field(${offset} Changes changes)
  # One list item per line; the semicolons of the text kept apart from the list's.
  string(REPLACE ";" "{semicolon}" changes "${changes}")
  string(REPLACE "\n" ";" lines "${changes}")
  set(items "")
  set(item "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^  \\* (.*)$")
      if(item)
        string(APPEND items "          <li>${item}</li>\n")
      endif()
      zorbik_xml_text("${CMAKE_MATCH_1}" item)
    elseif(line MATCHES "^    +(.*)$" AND item)
      zorbik_xml_text("${CMAKE_MATCH_1}" more)
      string(APPEND item " ${more}")
    endif()
  endforeach()
  if(item)
    string(APPEND items "          <li>${item}</li>\n")
  endif()
  string(APPEND releases
    "    <release version=\"${version}\" date=\"${date}\">\n"
    "      <description>\n        <ul>\n${items}        </ul>\n      </description>\n    </release>\n")
  math(EXPR offset "${offset} + 1")
endforeach()
string(REPLACE "{semicolon}" ";" ZORBIK_METAINFO_RELEASES "${releases}")
string(REGEX REPLACE "\n$" "" ZORBIK_METAINFO_RELEASES "${ZORBIK_METAINFO_RELEASES}")
