# Assembles the standings page's template and turns it into a C++ header: the page
# (standings.html) with its scripts (texts.js, then standings.js) inlined in one <script>
# element, in a function of their own, and the data block left for the program to fill.
#
#   cmake -DPAGE=standings.html -DSCRIPTS="texts.js;standings.js" -DOUT=page_template.h
#         -P embed_page.cmake
file(READ ${PAGE} page)
set(code "(() => {\n'use strict';\n")
foreach(script IN LISTS SCRIPTS)
  file(READ ${script} text)
  string(APPEND code "${text}")
endforeach()
string(APPEND code "})();\n")
string(TOLOWER "${code}" lowered)
string(FIND "${lowered}" "</script" closing)
if(NOT closing EQUAL -1)
  message(FATAL_ERROR "The standings page's scripts must not hold </script")
endif()
string(REPLACE "<!-- standings:scripts -->" "<script>\n${code}</script>" page "${page}")
string(FIND "${page}" "<!-- standings:data -->" data)
if(data EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no <!-- standings:data --> for the data")
endif()

# The bytes as a character array: no string literal's length limit, any byte.
file(WRITE ${OUT}.html "${page}")
file(READ ${OUT}.html hex HEX)
file(REMOVE ${OUT}.html)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x..',){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Made by standings/page/embed_page.cmake from standings/page/: do not edit.
#pragma once

#include <string_view>

/// The bytes of the standings page's template.
inline constexpr char StandingsPageBytes[] = {
${bytes}};

/// The standings page's template: the page and its scripts, with the data block's marker.
inline constexpr std::string_view StandingsPageTemplate(StandingsPageBytes,
                                                        sizeof StandingsPageBytes);
")
