# Debian's forms of the licence and of the changelog, written at configure time.

# The lines of a text file in `out`, empty lines included.
function(read_lines file out)
  file(READ ${file} text)
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Writes an MIT licence file (a title, a copyright line, the licence's text) as a copyright
# file in Debian's machine-readable format, naming the licence by its Debian name, Expat.
function(debian_copyright license_file contact output)
  read_lines(${license_file} lines)
  set(text "")
  set(notice "")
  foreach(line IN LISTS lines)
    if(notice STREQUAL "")
      if(line MATCHES "^Copyright \\(c\\) ([0-9]+) (.+)$")
        set(notice "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
      endif()
    elseif(line STREQUAL "")
      # Debian's form of an empty line in a field; those before the text are dropped.
      if(NOT text STREQUAL "")
        string(APPEND text " .\n")
      endif()
    else()
      string(APPEND text " ${line}\n")
    endif()
  endforeach()
  if(notice STREQUAL "")
    message(FATAL_ERROR "${license_file} has no line \"Copyright (c) <year> <holder>\"")
  endif()
  file(WRITE ${output}
       "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
       "Upstream-Name: ${PROJECT_NAME}\nUpstream-Contact: ${contact}\n\n"
       "Files: *\nCopyright: ${notice}\nLicense: Expat\n${text}")
endfunction()

# The date "<yyyy>-<mm>-<dd>" as a Debian changelog writes it: "Thu, 10 Dec 2026 00:00:00 +0000".
function(debian_date date out)
  string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" ignored ${date})
  set(year ${CMAKE_MATCH_1})
  set(month ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_3})
  # The day of the week, 0 for Sunday (Sakamoto's method).
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET month_offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  if(day LESS 10)
    set(day 0${day})
  endif()
  set(${out} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Writes CHANGELOG.md in Debian's changelog format: each entry "## <version> (<date>)" with
# its items "- ..." (continued on lines indented by two blanks) becomes one Debian entry.
function(debian_changelog changelog_file maintainer output)
  read_lines(${changelog_file} lines)
  set(text "")
  set(trailer "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^## ([^ ]+) \\(([-0-9]+)\\)$")
      debian_date(${CMAKE_MATCH_2} date)
      string(APPEND text "${trailer}${PROJECT_NAME} (${CMAKE_MATCH_1}) stable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${date}\n\n")
    elseif(trailer STREQUAL "" OR line STREQUAL "")
      # The title and the introduction, or a gap between items.
    elseif(line MATCHES "^- (.*)$")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)$")
      string(APPEND text "    ${CMAKE_MATCH_1}\n")
    else()
      message(FATAL_ERROR "${changelog_file}:${number}: neither an item (\"- \") nor its "
                          "continuation (two blanks): ${line}")
    endif()
  endforeach()
  string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
  file(WRITE ${output} "${text}${trailer}")
endfunction()
