# Locates a Python 2.7 interpreter with its headers and shared library.
# Honours -DPYTHON2=/path/to/python2.7 (or the PYTHON2 environment variable);
# otherwise looks in the pyenv installs of this machine and then on PATH.
# With PYTHON2_HEADERS_ONLY (the Windows cross build) only the headers are needed.
set(_py2_candidates)
if(PYTHON2)
  list(APPEND _py2_candidates "${PYTHON2}")
elseif(DEFINED ENV{PYTHON2} AND NOT "$ENV{PYTHON2}" STREQUAL "")
  list(APPEND _py2_candidates "$ENV{PYTHON2}")
else()
  file(GLOB _pyenv_pythons "$ENV{HOME}/.pyenv/versions/2.7*/bin/python2.7" "/root/.pyenv/versions/2.7*/bin/python2.7")
  list(APPEND _py2_candidates ${_pyenv_pythons})
  find_program(_py2_on_path NAMES python2.7 python2)
  if(_py2_on_path)
    list(APPEND _py2_candidates "${_py2_on_path}")
  endif()
endif()

set(PYTHON2_EXECUTABLE "")
foreach(_candidate IN LISTS _py2_candidates)
  execute_process(
    COMMAND "${_candidate}" -c "import sys, sysconfig; sys.stdout.write(';'.join(['%d.%d' % sys.version_info[:2], sysconfig.get_paths()['include'], sysconfig.get_config_var('LIBDIR') or '', sysconfig.get_config_var('LDLIBRARY') or '']))"
    OUTPUT_VARIABLE _py2_info RESULT_VARIABLE _py2_rc ERROR_QUIET)
  if(_py2_rc EQUAL 0)
    list(GET _py2_info 0 _py2_version)
    list(GET _py2_info 1 _py2_include)
    list(GET _py2_info 2 _py2_libdir)
    if(_py2_version STREQUAL "2.7" AND EXISTS "${_py2_include}/Python.h" AND (PYTHON2_HEADERS_ONLY OR EXISTS "${_py2_libdir}/libpython2.7.so"))
      set(PYTHON2_EXECUTABLE "${_candidate}")
      set(PYTHON2_INCLUDE_DIR "${_py2_include}")
      set(PYTHON2_LIBRARY "${_py2_libdir}/libpython2.7.so")
      break()
    endif()
  endif()
endforeach()

if(NOT PYTHON2_EXECUTABLE)
  message(FATAL_ERROR "No Python 2.7 with its headers (Python.h) and libpython2.7.so was found; install one or point the build at it with PYTHON2=/path/to/python2.7 (make) or -DPYTHON2=/path/to/python2.7 (cmake).")
endif()
message(STATUS "Python 2.7: ${PYTHON2_EXECUTABLE} (headers ${PYTHON2_INCLUDE_DIR})")
