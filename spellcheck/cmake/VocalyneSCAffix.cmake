# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vocalyne developers
#
# cmake -DSOURCE=<English .aff> -DOUTPUT=<file> -P VocalyneSCAffix.cmake
# The affix rules of the spell checker: Debian's English rules (replacement
# table, letters to try, apostrophe conversion), with the German letters
# added to the letters to try, umlauts and sharp s typed as "ae", "oe", "ue"
# and "ss" in the replacement table, and accented letters related to their
# plain ones, so that German and borrowed words get good suggestions too.
file(READ "${SOURCE}" affix)
string(REGEX MATCH "\nTRY [^\n]*" try_line "${affix}")
if(NOT try_line)
  message(FATAL_ERROR "${SOURCE} has no TRY line")
endif()
set(extended "${try_line}")
foreach(letter ß Ä Ö Ü)
  string(FIND "${extended}" "${letter}" found)
  if(found EQUAL -1)
    string(APPEND extended "${letter}")
  endif()
endforeach()
string(REPLACE "${try_line}" "${extended}" affix "${affix}")
string(REGEX MATCH "\nREP ([0-9]+)\n" rep_header "${affix}")
if(NOT rep_header)
  message(FATAL_ERROR "${SOURCE} has no replacement table")
endif()
math(EXPR rep_count "${CMAKE_MATCH_1} + 4")
string(REPLACE "${rep_header}" "\nREP ${rep_count}\nREP ae ä\nREP oe ö\nREP ue ü\nREP ss ß\n"
       affix "${affix}")
string(APPEND affix "
# Accented letters are near misses of their plain ones.
MAP 7
MAP aàáâäå
MAP eèéêë
MAP iìíîï
MAP oòóôö
MAP uùúûü
MAP cç
MAP nñ
")
file(WRITE "${OUTPUT}.tmp" "${affix}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
