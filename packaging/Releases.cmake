# The releases come from one file, packaging/changelog, in the Debian
# changelog's format: the project's version is its newest entry's, the
# package installs it as the Debian changelog, and the software centre's
# release list (version, date and notes of every entry) and the manual
# page's date are made from it. Read before project(), which takes the
# version from here.
#
#   ZORBIK_CHANGELOG_VERSION  the newest entry's version
#   ZORBIK_RELEASE_DATE       its day, 2026-12-08
#   ZORBIK_RELEASE_MONTH      its month, "December 2026"
#   ZORBIK_RELEASE_EPOCH      its time in seconds since 1970 (UTC)
#   ZORBIK_METAINFO_RELEASES  the <release> elements of every entry
set(ZORBIK_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORBIK_CHANGELOG})

set(month_names January February March April May June July August September October November December)
set(month_abbreviations Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# Seconds since 1970 of a UTC day and time (days from the civil calendar).
function(zorbik_epoch year month day hms out)
  set(y ${year})
  if(month LESS_EQUAL 2)
    math(EXPR y "${year} - 1")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR yoe "${y} - ${era} * 400")
  math(EXPR mp "(${month} + 9) % 12")
  math(EXPR doy "(153 * ${mp} + 2) / 5 + ${day} - 1")
  math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + ${doy}")
  math(EXPR days "${era} * 146097 + ${doe} - 719468")
  string(REGEX MATCH "^([0-9]+):([0-9]+):([0-9]+)$" _ "${hms}")
  math(EXPR seconds "${days} * 86400 + ${CMAKE_MATCH_1} * 3600 + ${CMAKE_MATCH_2} * 60 + ${CMAKE_MATCH_3}")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

function(zorbik_xml_text text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${ZORBIK_CHANGELOG} changelog)
# One list item per line; the semicolons of the text kept apart from the list's.
string(REPLACE ";" "<semicolon>" changelog "${changelog}")
string(REPLACE "\n" ";" lines "${changelog}")

set(releases "")
set(version "")
set(items "")
set(item "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\)")
    set(version ${CMAKE_MATCH_1})
    set(items "")
  elseif(line MATCHES "^  \\* (.*)$")
    if(item)
      string(APPEND items "          <li>${item}</li>\n")
    endif()
    zorbik_xml_text("${CMAKE_MATCH_1}" item)
  elseif(line MATCHES "^    +(.*)$" AND item)
    zorbik_xml_text("${CMAKE_MATCH_1}" more)
    string(APPEND item " ${more}")
  elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9:]+) \\+0000$")
    if(item)
      string(APPEND items "          <li>${item}</li>\n")
      set(item "")
    endif()
    list(FIND month_abbreviations ${CMAKE_MATCH_2} m)
    math(EXPR month "${m} + 1")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(hms ${CMAKE_MATCH_4})
    if(m LESS 0 OR NOT version)
      message(FATAL_ERROR "${ZORBIK_CHANGELOG}: cannot read the entry's date: ${line}")
    endif()
    string(LENGTH "${day}" day_digits)
    if(day_digits EQUAL 1)
      set(day 0${day})
    endif()
    if(month LESS 10)
      set(month_digits 0${month})
    else()
      set(month_digits ${month})
    endif()
    if(NOT DEFINED ZORBIK_CHANGELOG_VERSION)
      set(ZORBIK_CHANGELOG_VERSION ${version})
      set(ZORBIK_RELEASE_DATE ${year}-${month_digits}-${day})
      list(GET month_names ${m} month_name)
      set(ZORBIK_RELEASE_MONTH "${month_name} ${year}")
      zorbik_epoch(${year} ${month} ${day} ${hms} ZORBIK_RELEASE_EPOCH)
    endif()
    string(APPEND releases
      "    <release version=\"${version}\" date=\"${year}-${month_digits}-${day}\">\n"
      "      <description>\n        <ul>\n${items}        </ul>\n      </description>\n    </release>\n")
    set(version "")
  endif()
endforeach()
if(NOT DEFINED ZORBIK_CHANGELOG_VERSION)
  message(FATAL_ERROR "${ZORBIK_CHANGELOG}: no entry with a maintainer line in UTC (+0000)")
endif()
string(REPLACE "<semicolon>" ";" ZORBIK_METAINFO_RELEASES "${releases}")
string(REGEX REPLACE "\n$" "" ZORBIK_METAINFO_RELEASES "${ZORBIK_METAINFO_RELEASES}")
