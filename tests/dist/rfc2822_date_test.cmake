# Dates whose weekdays are well known, across leap days and century years:
# the Unix epoch was a Thursday, 2000-01-01 a Saturday, 2000-02-29 a Tuesday
# (2000 is a leap year), 2100-03-01 a Monday (2100 is not).
include(${MODULE})

set(cases
  "1970-01-01|Thu, 01 Jan 1970 00:00:00 +0000"
  "1999-12-31|Fri, 31 Dec 1999 00:00:00 +0000"
  "2000-01-01|Sat, 01 Jan 2000 00:00:00 +0000"
  "2000-02-29|Tue, 29 Feb 2000 00:00:00 +0000"
  "2000-03-01|Wed, 01 Mar 2000 00:00:00 +0000"
  "2024-02-29|Thu, 29 Feb 2024 00:00:00 +0000"
  "2026-12-08|Tue, 08 Dec 2026 00:00:00 +0000"
  "2100-02-28|Sun, 28 Feb 2100 00:00:00 +0000"
  "2100-03-01|Mon, 01 Mar 2100 00:00:00 +0000")
set(failed FALSE)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 iso)
  list(GET parts 1 expected)
  rfc2822_date(${iso} got)
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "${iso}: expected '${expected}', got '${got}'")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "rfc2822_date gave wrong dates")
endif()
