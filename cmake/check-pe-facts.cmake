# cmake -DOBJDUMP=<objdump> -DWINDRES=<windres> -DEXE=<program> -DARCH=<i686|x86_64>
#       -DVERSION=<project version> -P check-pe-facts.cmake
# Fails unless the program's file says what Windows must read of every tarnwick.exe we ship: its
# machine, the GUI subsystem and its version, the security flags, large address awareness, the
# DLLs it imports, no debug directory, and its manifest and version resource. Each fact is read
# from the file itself (objdump's dump of the PE headers, windres' reading of the resources); the
# message names every fact that is missing.
cmake_minimum_required(VERSION 3.25)
set(missing "")
macro(missing_fact text)
  list(APPEND missing "${text}")
endmacro()

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
execute_process(COMMAND ${WINDRES} -i ${EXE} -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE rc_failed)
if(failed OR rc_failed)
  file(REMOVE ${EXE})
  message(FATAL_ERROR "${EXE}: objdump or windres could not read it")
endif()

# --- The PE headers ---------------------------------------------------------------------------
set(format_of_i686 pei-i386)
set(format_of_x86_64 pei-x86-64)
if(NOT dump MATCHES "file format ${format_of_${ARCH}}\n")
  missing_fact("the machine: not a ${ARCH} program (${format_of_${ARCH}})")
endif()

# The flags objdump lists under each header field, one a line.
string(REGEX MATCH "\nCharacteristics [^\n]*(\n\t[^\n]+)*" characteristics "${dump}")
string(REGEX MATCH "\nDllCharacteristics[^\n]*(\n\t+[A-Z_]+)*" dll_characteristics "${dump}")

if(NOT dump MATCHES "\nSubsystem\t+00000002\t")
  missing_fact("the GUI subsystem (Windows GUI)")
endif()
# From subsystem version 6.0 on, Windows gives a window a wider frame (padded borders): the design's
# outer size of 625 x 455 gives its client area of 617 x 421 only with the classic frame.
if(NOT dump MATCHES "\nMajorSubsystemVersion\t([0-9]+)\nMinorSubsystemVersion\t([0-9]+)\n")
  missing_fact("a subsystem version")
elseif(CMAKE_MATCH_1 GREATER_EQUAL 6)
  missing_fact("a subsystem version below 6.0, whose classic frame the window's outer and client "
               "sizes are designed for (it is ${CMAKE_MATCH_1}.${CMAKE_MATCH_2})")
endif()

# ASLR needs both the flag and the relocations that let the loader move the image.
if(NOT dll_characteristics MATCHES "\tDYNAMIC_BASE(\n|$)")
  missing_fact("ASLR: DYNAMIC_BASE")
endif()
if(NOT dump MATCHES "\nEntry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory"
   OR characteristics MATCHES "relocations stripped")
  missing_fact("ASLR: the base relocations")
endif()
if(ARCH STREQUAL "x86_64" AND NOT dll_characteristics MATCHES "\tHIGH_ENTROPY_VA(\n|$)")
  missing_fact("ASLR over the whole 64-bit address space: HIGH_ENTROPY_VA")
endif()
if(NOT dll_characteristics MATCHES "\tNX_COMPAT(\n|$)")
  missing_fact("DEP: NX_COMPAT")
endif()
if(NOT dll_characteristics MATCHES "\tTERMINAL_SERVICE_AWARE(\n|$)")
  missing_fact("terminal server aware: TERMINAL_SERVICE_AWARE")
endif()
# A listing of a million content rows with 1 KiB headers holds about 1.4 GiB in its table: a
# 32-bit program gets 4 GiB on 64-bit Windows instead of 2, a 64-bit one more than 2.
if(NOT characteristics MATCHES "\n\tlarge address aware(\n|$)")
  missing_fact("large address aware")
endif()

# No debug directory: it would name a debug file of the build machine and change with it.
if(NOT dump MATCHES "\nEntry 6 [0-9a-f]+ 0+ Debug Directory" OR dump MATCHES "There is a debug directory")
  missing_fact("no debug directory")
endif()

# The program runs with nothing beside it: it imports from these system DLLs alone.
set(system_dlls comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll
                shell32.dll user32.dll wininet.dll)
string(REGEX MATCHALL "\n\tDLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  missing_fact("an import table")
endif()
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^\n\tDLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    missing_fact("imports from system DLLs only: it imports ${dll}, not one of ${system_dlls}")
  endif()
endforeach()

# --- The resources ----------------------------------------------------------------------------
# The manifest: resource 1 of type 24, which windres writes as quoted lines with doubled quotes.
string(REGEX MATCH "(^|\n)1 24 /\\* RT_MANIFEST \\*/\nBEGIN\n" start "${resources}")
set(manifest "")
if(start)
  string(FIND "${resources}" "${start}" at)
  string(LENGTH "${start}" length)
  math(EXPR at "${at} + ${length}")
  string(SUBSTRING "${resources}" ${at} -1 manifest)
  string(FIND "${manifest}" "\nEND" end)
  string(SUBSTRING "${manifest}" 0 ${end} manifest)
  string(REGEX REPLACE "(^|\n) *\"" "\\1" manifest "${manifest}")
  string(REGEX REPLACE "\"(\n|$)" "\\1" manifest "${manifest}")
  string(REPLACE "\"\"" "\"" manifest "${manifest}")
  string(REPLACE "\\n" "" manifest "${manifest}")
else()
  missing_fact("a manifest (resource 1 of type RT_MANIFEST)")
endif()

string(REGEX MATCH "<assemblyIdentity[^>]*\"Microsoft.Windows.Common-Controls\"[^>]*>" controls
       "${manifest}")
if(NOT controls MATCHES "version=\"6\\.0\\.0\\.0\"" OR NOT controls MATCHES
                                                        "publicKeyToken=\"6595b64144ccf1df\"")
  missing_fact("the manifest's dependency on the common controls, version 6")
endif()
if(NOT manifest MATCHES "<requestedExecutionLevel[^>]* level=\"asInvoker\"")
  missing_fact("the manifest's execution level asInvoker")
endif()
# The window rescales itself at start-up and on WM_DPICHANGED: per-monitor aware, V2 where the
# system knows it (Windows 10), per-monitor on Windows 8.1.
if(NOT manifest MATCHES "<dpiAwareness[^>]*>PerMonitorV2[,<]"
   OR NOT manifest MATCHES "<dpiAware[^>]*>true/pm</dpiAware>")
  missing_fact("the manifest's per-monitor DPI awareness (dpiAwareness PerMonitorV2, dpiAware true/pm)")
endif()
foreach(os "Vista;e2011457-1546-43c5-a5fe-008deee3d3f0" "7;35138b9a-5d96-4fbd-8e2d-a2440225f93a"
           "8;4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38" "8.1;1f676c76-80e1-4239-95bb-83d0f6d0da78"
           "10 and 11;8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a")
  list(GET os 0 windows)
  list(GET os 1 id)
  if(NOT manifest MATCHES "<supportedOS Id=\"{${id}}\"/>")
    missing_fact("the manifest's supportedOS entry of Windows ${windows}")
  endif()
endforeach()

# The version resource and the manifest's assembly version: the project version.
string(REPLACE "." ";" parts "${VERSION}")
list(APPEND parts 0 0 0)
list(SUBLIST parts 0 4 parts)
list(JOIN parts ", " numbers)
list(JOIN parts "." dotted)
string(REPLACE "." "\\." version_pattern "${VERSION}")
string(REPLACE "." "\\." dotted_pattern "${dotted}")
if(NOT resources MATCHES "\n FILEVERSION ${numbers}\n PRODUCTVERSION ${numbers}\n"
   OR NOT resources MATCHES "\n *VALUE \"FileVersion\", \"${version_pattern}\"\n"
   OR NOT resources MATCHES "\n *VALUE \"ProductVersion\", \"${version_pattern}\"\n")
  missing_fact("a version resource of version ${VERSION}")
endif()
if(NOT manifest MATCHES "<assemblyIdentity[^>]* name=\"Tarnwick\" version=\"${dotted_pattern}\"")
  missing_fact("the manifest's assembly version ${dotted}")
endif()

if(missing)
  # Removed, so that the next build links it again and checks it again.
  file(REMOVE ${EXE})
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "${EXE} lacks:\n  ${missing}")
endif()
message(STATUS "${EXE}: the PE facts of a shipped program hold")
