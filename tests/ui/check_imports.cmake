# Fails unless PROGRAM is a Windows GUI program of the FORMAT given
# (pei-i386 for the shipped 32-bit one) that imports from system DLLs only:
# the runtime is linked statically, so no libstdc++, libgcc or winpthread
# DLL may be needed. Nor may it name a network library (NETWORK_LIBRARIES,
# comma-separated), imported or as a text it could load by name.
# cmake -DPROGRAM=... -DOBJDUMP=... -DFORMAT=... -DNETWORK_LIBRARIES=... -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
if(NOT dump MATCHES "file format ${FORMAT}")
  message(FATAL_ERROR "${PROGRAM} is not of the format ${FORMAT}")
endif()
if(NOT dump MATCHES "Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)")
  message(FATAL_ERROR "${PROGRAM} is not a GUI-subsystem program")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${PROGRAM} imports nothing; objdump output not understood")
endif()
set(system_dlls kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll oleaut32.dll comctl32.dll
    advapi32.dll msvcrt.dll)
string(REPLACE "," ";" network_libraries "${NETWORK_LIBRARIES}")
if(NOT network_libraries)
  message(FATAL_ERROR "no NETWORK_LIBRARIES given")
endif()
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  if(lower IN_LIST network_libraries)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, a network library")
  endif()
  if(NOT lower IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a system DLL")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
# A library loaded by name at run time leaves its name in the file; the
# names are ASCII, so the file's ASCII strings are searched.
file(STRINGS ${PROGRAM} texts)
string(TOLOWER "${texts}" texts)
foreach(library IN LISTS network_libraries)
  string(REPLACE ".dll" "" stem "${library}")
  if(texts MATCHES "(^|[^a-z0-9_])${stem}(\\.dll)?([^a-z0-9_]|$)")
    message(FATAL_ERROR "${PROGRAM} names ${library}, a network library")
  endif()
endforeach()
