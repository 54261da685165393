/* Python 2.7 configuration for extension modules built with MinGW-w64 (GCC)
 * for 32-bit Windows, against the python27.dll of the standard Windows
 * distribution (built with Microsoft's compiler).
 *
 * The interpreter's other public headers are platform independent and are
 * taken from any Python 2.7 install; this file replaces the pyconfig.h of
 * that install and must be found first. It describes the interpreter DLL the
 * module is loaded into (type sizes, threads, Unicode width, allocator, DLL
 * linkage) and the C library of the compiler that builds the module.
 */
#ifndef Py_CONFIG_H
#define Py_CONFIG_H

#if !defined(_WIN32) || defined(_WIN64)
#error "this pyconfig.h is for 32-bit Windows builds only"
#endif

#include <stddef.h>
#include <sys/types.h> /* ssize_t: int on 32-bit Windows */

/* ---- platform ---------------------------------------------------------- */

#define MS_WIN32    /* any Windows, 32- or 64-bit */
#define MS_WINDOWS
#define NT          /* obsolete spelling of MS_WIN32, still tested by some code */
#define PLATFORM "win32"
#define COMPILER "[gcc]"

/* python27.dll: interpreter functions and data are imported from it and the
 * module's init function is exported (see PyAPI_FUNC, PyAPI_DATA and
 * PyMODINIT_FUNC in pyport.h). No "#pragma comment(lib, ...)": GCC links the
 * import library named on its command line. */
#define Py_ENABLE_SHARED 1
#define MS_COREDLL 1
#define HAVE_DECLSPEC_DLL

/* ---- sizes of the 32-bit Windows data model (ILP32) ------------------------ */

#define SIZEOF_SHORT 2
#define SIZEOF_INT 4
#define SIZEOF_LONG 4
#define SIZEOF_LONG_LONG 8
#define SIZEOF_FLOAT 4
#define SIZEOF_DOUBLE 8
#define SIZEOF_VOID_P 4
#define SIZEOF_SIZE_T 4
#define SIZEOF_WCHAR_T 2
#define SIZEOF__BOOL 1
#define SIZEOF_OFF_T 4
#define SIZEOF_FPOS_T 8
#define SIZEOF_HKEY 4
#define SIZEOF_TIME_T 8 /* time_t is 64-bit in Microsoft's runtime since VS2005 */
#define LONG_BIT 32
#define WORD_BIT 32

#define HAVE_LONG_LONG 1
#define PY_LONG_LONG long long
#define PY_LLONG_MIN LLONG_MIN
#define PY_LLONG_MAX LLONG_MAX
#define PY_ULLONG_MAX ULLONG_MAX

#define HAVE_SSIZE_T 1 /* Py_ssize_t is ssize_t, an int */
#define HAVE_UINTPTR_T 1
#define HAVE_INTPTR_T 1

/* ---- the interpreter's build options --------------------------------------- */

#define WITH_THREAD 1  /* the interpreter lock, PyGILState_*, thread states */
#define NT_THREADS 1
#define WITH_PYMALLOC 1 /* PyObject_MALLOC/FREE go to the small-object allocator */
#define WITH_DOC_STRINGS 1
#define Py_USING_UNICODE 1
#define Py_UNICODE_SIZE 2 /* UCS-2 wchar_t: the PyUnicodeUCS2_* functions */
#define USE_SOCKET 1

/* ---- the compiler's C library (MinGW-w64) ---------------------------------- */

#define STDC_HEADERS 1
#define HAVE_PROTOTYPES 1
#define HAVE_STDARG_PROTOTYPES 1
#define HAVE_STDDEF_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STDINT_H 1
#define HAVE_ERRNO_H 1
#define HAVE_SYS_STAT_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_WCHAR_H 1
#define HAVE_COPYSIGN 1
#define HAVE_HYPOT 1
#define HAVE_ROUND 1
#define HAVE_PUTENV 1
#define HAVE_STRFTIME 1
#define HAVE_STRERROR 1
#define HAVE_SNPRINTF 1 /* C99 snprintf; else pyerrors.h maps it to _snprintf */
#define HAVE_CLOCK 1
#define HAVE_FTIME 1
#define HAVE_GETPID 1
#define HAVE_LARGEFILE_SUPPORT 1
#define DONT_HAVE_SIG_ALARM 1
#define DONT_HAVE_SIG_PAUSE 1

#endif /* !Py_CONFIG_H */
