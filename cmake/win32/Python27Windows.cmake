# Python 2.7 for a Windows build of the module.
#
# With Microsoft's compiler the build uses a real Windows Python 2.7 install
# (-DPYTHON2_WINDOWS_ROOT=C:/Python27): its include/ and libs/python27.lib.
#
# With MinGW (cross or native) no Windows Python is needed: the headers come
# from any Python 2.7 install, with cmake/win32/pyconfig.h in place of that
# install's configuration header, and the import library for python27.dll
# is made at build time from cmake/win32/python27.def. Defines:
#   PYTHON2_INCLUDE_DIR   headers to compile against
#   quon_python27         interface target that links the interpreter DLL
#   quon_check_python_imports(target [COMPLETE] [archives...])  (MinGW: checks
#                         the target's use of the interpreter against the .def)

set(QUON_WIN32_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(quon_python27 INTERFACE)

if(MSVC)
  set(PYTHON2_WINDOWS_ROOT "" CACHE PATH "Windows Python 2.7 install (holds include/ and libs/python27.lib)")
  if(NOT EXISTS "${PYTHON2_WINDOWS_ROOT}/include/Python.h" OR NOT EXISTS "${PYTHON2_WINDOWS_ROOT}/libs/python27.lib")
    message(FATAL_ERROR "Set PYTHON2_WINDOWS_ROOT to a 32-bit Python 2.7 install (with include/Python.h and libs/python27.lib).")
  endif()
  set(PYTHON2_INCLUDE_DIR "${PYTHON2_WINDOWS_ROOT}/include")
  target_link_libraries(quon_python27 INTERFACE "${PYTHON2_WINDOWS_ROOT}/libs/python27.lib")
  function(quon_check_python_imports target)
  endfunction()
  return()
endif()

# The platform-independent headers of a Python 2.7 install on the build machine.
set(PYTHON2_HEADERS "" CACHE PATH "Python 2.7 include directory whose headers (all but pyconfig.h) the Windows build uses; found automatically when empty")
if(NOT PYTHON2_HEADERS)
  set(PYTHON2_HEADERS_ONLY ON)
  include(${QUON_WIN32_DIR}/../FindPython2Dev.cmake)
  set(PYTHON2_HEADERS "${PYTHON2_INCLUDE_DIR}")
endif()
if(NOT EXISTS "${PYTHON2_HEADERS}/Python.h" OR NOT EXISTS "${PYTHON2_HEADERS}/patchlevel.h")
  message(FATAL_ERROR "PYTHON2_HEADERS (${PYTHON2_HEADERS}) holds no Python 2.7 headers.")
endif()
file(STRINGS "${PYTHON2_HEADERS}/patchlevel.h" _py2_version_line REGEX "^#define PY_VERSION ")
if(NOT _py2_version_line MATCHES "\"2\\.7")
  message(FATAL_ERROR "PYTHON2_HEADERS (${PYTHON2_HEADERS}) are not Python 2.7 headers: ${_py2_version_line}")
endif()

# The headers are staged beside our pyconfig.h: Python.h includes "pyconfig.h"
# from its own directory first, so the install's Linux configuration must not
# be next to it.
set(PYTHON2_INCLUDE_DIR ${CMAKE_BINARY_DIR}/python27-win32/include)
file(COPY "${PYTHON2_HEADERS}/" DESTINATION ${PYTHON2_INCLUDE_DIR}
  FILES_MATCHING PATTERN "*.h" PATTERN "pyconfig.h" EXCLUDE)
configure_file(${QUON_WIN32_DIR}/pyconfig.h ${PYTHON2_INCLUDE_DIR}/pyconfig.h COPYONLY)
message(STATUS "Python 2.7 for Windows: headers from ${PYTHON2_HEADERS}, configuration ${QUON_WIN32_DIR}/pyconfig.h")

# Import library of python27.dll from the definition file.
if(NOT QUON_DLLTOOL)
  find_program(QUON_DLLTOOL NAMES ${CMAKE_C_COMPILER_TARGET}-dlltool dlltool REQUIRED)
endif()
if(NOT QUON_NM)
  set(QUON_NM ${CMAKE_NM})
endif()
set(PYTHON2_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/python27-win32/libpython27.dll.a)
add_custom_command(OUTPUT ${PYTHON2_IMPORT_LIBRARY}
  COMMAND ${QUON_DLLTOOL} --input-def ${QUON_WIN32_DIR}/python27.def --dllname python27.dll
          --output-lib ${PYTHON2_IMPORT_LIBRARY}
  DEPENDS ${QUON_WIN32_DIR}/python27.def
  COMMENT "Import library for python27.dll from python27.def")
add_custom_target(python27_import_library DEPENDS ${PYTHON2_IMPORT_LIBRARY})
target_link_libraries(quon_python27 INTERFACE ${PYTHON2_IMPORT_LIBRARY})
add_dependencies(quon_python27 python27_import_library)

# Before `target` links: every interpreter symbol its objects (and the given
# static libraries) use must be in python27.def, data marked DATA.
function(quon_check_python_imports target)
  cmake_parse_arguments(PARSE_ARGV 1 _check "COMPLETE" "" "")
  set(_inputs "$<TARGET_OBJECTS:${target}>")
  foreach(_archive IN LISTS _check_UNPARSED_ARGUMENTS)
    list(APPEND _inputs "$<TARGET_FILE:${_archive}>")
  endforeach()
  add_custom_command(TARGET ${target} PRE_LINK
    COMMAND ${CMAKE_COMMAND} -DMODE=check -DNM=${QUON_NM} -DDEF=${QUON_WIN32_DIR}/python27.def
            -DHEADERS=${PYTHON2_INCLUDE_DIR} "-DINPUTS=$<JOIN:${_inputs},|>" -DTARGET=${target} -DCOMPLETE=${_check_COMPLETE}
            -P ${QUON_WIN32_DIR}/python27-imports.cmake
    VERBATIM)
endfunction()
