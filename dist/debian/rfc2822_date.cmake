# rfc2822_date(ISO_DATE OUT_VAR): "2026-12-08" becomes "Tue, 08 Dec 2026
# 00:00:00 +0000", the form of a Debian changelog's trailer line. The weekday
# comes from Zeller's congruence for the Gregorian calendar.
function(rfc2822_date iso_date out_var)
  if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "rfc2822_date wants YYYY-MM-DD, got '${iso_date}'")
  endif()
  set(day_text ${CMAKE_MATCH_3})
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "1${CMAKE_MATCH_2} - 100")  # without the leading zero
  math(EXPR day "1${CMAKE_MATCH_3} - 100")
  # January and February count as months 13 and 14 of the year before.
  set(zeller_year ${year})
  set(zeller_month ${month})
  if(month LESS 3)
    math(EXPR zeller_year "${year} - 1")
    math(EXPR zeller_month "${month} + 12")
  endif()
  math(EXPR century "${zeller_year} / 100")
  math(EXPR year_of_century "${zeller_year} % 100")
  math(EXPR weekday "(${day} + 13 * (${zeller_month} + 1) / 5 + ${year_of_century}
                      + ${year_of_century} / 4 + ${century} / 4 + 5 * ${century}) % 7")
  set(weekdays Sat Sun Mon Tue Wed Thu Fri)  # 0 is Saturday
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  math(EXPR month_index "${month} - 1")
  list(GET months ${month_index} month_name)
  set(${out_var} "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
