# The time in seconds since 1970 of midnight (UTC) of a date written
# YYYY-MM-DD, or nothing when it is no real date: in CMake alone, so that no
# particular date command is needed. The days are counted as in Howard
# Hinnant's days_from_civil; a date is real when CMake writes it back the same.
function(midnight_of date result)
  set(${result} "" PARENT_SCOPE)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    return()
  endif()
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR day "${CMAKE_MATCH_3}")
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR of_era "${year} % 400")
  math(EXPR days "${year} / 400 * 146097 + ${of_era} * 365 + ${of_era} / 4 - ${of_era} / 100
    + (153 * ((${month} + 9) % 12) + 2) / 5 + ${day} - 1 - 719468")
  math(EXPR seconds "${days} * 86400")
  set(caller $ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${seconds})
  string(TIMESTAMP written "%Y-%m-%d" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${caller}") # left empty where it was unset
  if(written STREQUAL date)
    set(${result} ${seconds} PARENT_SCOPE)
  endif()
endfunction()
