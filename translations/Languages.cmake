# The one list of the suite's languages, ZORBIK_LANGUAGES (set before this
# is read), made into what each user of it needs:
#
#   ZORBIK_LANGUAGE_CODES       the codes alone (de;es;...), for the translations
#   ZORBIK_LANGUAGE_CODES_MAN   every code, English's too, for the manual page
#   zorbik_languages            a header-only library: ShippedLanguages.h with
#                               every code and its own name, for the launcher
#                               and the tests
#   <build>/languages           one code a line, for the package test
set(ZORBIK_LANGUAGE_CODES)
set(language_entries "")
foreach(language IN LISTS ZORBIK_LANGUAGES)
  if(NOT language MATCHES "^([A-Za-z_]+)=(.+)$")
    message(FATAL_ERROR "ZORBIK_LANGUAGES: \"${language}\" is not code=name")
  endif()
  list(APPEND ZORBIK_LANGUAGE_CODES ${CMAKE_MATCH_1})
  string(APPEND language_entries "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"},\n")
endforeach()

set(generated_dir ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ShippedLanguages.h.in ${generated_dir}/ShippedLanguages.h @ONLY)
add_library(zorbik_languages INTERFACE)
target_include_directories(zorbik_languages INTERFACE ${generated_dir})

list(JOIN ZORBIK_LANGUAGE_CODES "\n" language_lines)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/languages CONTENT "${language_lines}\n")

# .BR de ", " en ", " ... " or " ru .
set(all_codes ${ZORBIK_LANGUAGE_CODES} en)
list(SORT all_codes)
list(POP_BACK all_codes last_code)
list(JOIN all_codes " \", \" " ZORBIK_LANGUAGE_CODES_MAN)
set(ZORBIK_LANGUAGE_CODES_MAN ".BR ${ZORBIK_LANGUAGE_CODES_MAN} \" or \" ${last_code} .")
