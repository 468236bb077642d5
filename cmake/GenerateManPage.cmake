# Writes the manual page gridmoot-cli.1 from the built program's own help, so
# the page and `--help` cannot disagree: the general help, every command's
# `COMMAND --help`, `report --list` and every report's `report NAME --help`.
#
#   cmake -DCLI=<gridmoot-cli> -DOUT=<gridmoot-cli.1> -DVERSION=<x.y> -P GenerateManPage.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var CLI OUT VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GenerateManPage.cmake needs -D${var}=...")
  endif()
endforeach()

# Help never needs a display, and it must not read or prepare anyone's data folder.
set(ENV{QT_QPA_PLATFORM} offscreen)
get_filename_component(scratch "${OUT}.home" ABSOLUTE)
file(MAKE_DIRECTORY "${scratch}")
set(ENV{HOME} "${scratch}")
set(ENV{XDG_DATA_HOME} "${scratch}")

# Runs gridmoot-cli with the given arguments; its standard output lands in `outvar`.
function(cli_help outvar)
  execute_process(COMMAND "${CLI}" ${ARGN}
                  OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR text STREQUAL "")
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "gridmoot-cli ${shown} failed (${rc}): ${err}")
  endif()
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${outvar} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff reads it literally: backslashes, minus signs (so options copy
# and paste as typed) and lines that would start a request.
function(roff_text outvar text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${outvar} "${text}" PARENT_SCOPE)
endfunction()

# A block shown line for line as the program prints it.
function(roff_verbatim outvar text)
  roff_text(text "${text}")
  set(${outvar} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

# The first word of every line of `text` that is indented by `indent` and is
# followed by two blanks: the names of a "name   description" table.
function(table_names outvar text indent)
  string(REGEX MATCHALL "(^|\n)${indent}[a-z][a-z0-9-]*  " rows "${text}")
  set(names "")
  foreach(row IN LISTS rows)
    string(STRIP "${row}" name)
    list(APPEND names "${name}")
  endforeach()
  set(${outvar} "${names}" PARENT_SCOPE)
endfunction()

cli_help(general --help)
string(FIND "${general}" "\nCommands:\n" at)
if(at LESS 0)
  message(FATAL_ERROR "gridmoot-cli --help lists no commands")
endif()
string(SUBSTRING "${general}" ${at} -1 commandTable)
string(FIND "${commandTable}" "\n\n" end)
if(end GREATER 0)
  string(SUBSTRING "${commandTable}" 0 ${end} commandTable)
endif()
table_names(commands "${commandTable}" "  ")

cli_help(reportList report --list)
table_names(reports "${reportList}" "")
if(NOT commands OR NOT reports)
  message(FATAL_ERROR "no commands or no reports found in gridmoot-cli's help")
endif()

string(REGEX MATCH "Usage: [^\n]*" usage "${general}")
string(REPLACE "Usage: " "" usage "${usage}")

set(page ".\\\" Written from gridmoot-cli's own help when the program is built.\n")
string(APPEND page ".TH GRIDMOOT\\-CLI 1 \"\" \"Gridmoot ${VERSION}\" \"User Commands\"\n.nh\n.ad l\n")
string(APPEND page ".SH NAME\ngridmoot\\-cli \\- the headless companion of Gridmoot, the NFL office pool program\n")
roff_text(usageRoff "${usage}")
string(APPEND page ".SH SYNOPSIS\n${usageRoff}\n")
roff_verbatim(block "${general}")
string(APPEND page ".SH DESCRIPTION\n${block}")

string(APPEND page ".SH COMMANDS\n")
foreach(cmd IN LISTS commands)
  cli_help(text ${cmd} --help)
  roff_verbatim(block "${text}")
  roff_text(name "${cmd}")
  string(APPEND page ".SS ${name}\n${block}")
endforeach()

string(APPEND page ".SH REPORTS\nThe reports that \\fBgridmoot\\-cli report\\fR writes (\\fBreport \\-\\-list\\fR):\n")
string(REPLACE ";" "\\;" escapedList "${reportList}")
string(REPLACE "\n" ";" lines "${escapedList}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([a-z][a-z0-9-]*)  +(.*)$")
    roff_text(name "${CMAKE_MATCH_1}")
    roff_text(summary "${CMAKE_MATCH_2}")
    string(APPEND page ".TP\n.B ${name}\n${summary}\n")
  endif()
endforeach()
foreach(report IN LISTS reports)
  cli_help(text report ${report} --help)
  roff_verbatim(block "${text}")
  roff_text(name "${report}")
  string(APPEND page ".SS \"report ${name}\"\n${block}")
endforeach()

string(APPEND page [=[
.SH EXIT STATUS
.TP
.B 0
the command did its work
.TP
.B 1
a file could not be read or written; the message on standard error names it
.TP
.B 2
an unknown command or option, or a value out of range
.SH FILES
.TP
.I ~/.local/share/gridmoot
the default data folder, shared with the desktop program \fBgridmoot\fR(1)
.TP
.I share/gridmoot/seasons
beside the program's \fIbin\fR folder (\fI/usr/share/gridmoot/seasons\fR when
installed from the Debian package): the archived 1995 and 1996 seasons that
\fBgridmoot\fR(1) copies into a new data folder
.SH SEE ALSO
.BR gridmoot (1)
]=])

file(WRITE "${OUT}.tmp" "${page}")
file(RENAME "${OUT}.tmp" "${OUT}")
file(REMOVE_RECURSE "${scratch}")
