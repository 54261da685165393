// Pointer proxies: the Python objects that carry native addresses, their
// conversions to and from Python, and shadow instances of registered classes.
#ifndef QUON_RUNTIME_PROXY_H
#define QUON_RUNTIME_PROXY_H

#include "python.h"
#include "registry.h"

struct SwigPyObject {
  PyObject_HEAD
  void* ptr;
  SwigTypeDescriptor* ty;
  int own;
  PyObject* next;   // a further proxy chained behind this one
  PyObject* owner;  // kept alive while this proxy lives: the object ptr points into
};

namespace quon::rt {

// Flags of to_python.
constexpr int kOwn = 1;
constexpr int kNoShadow = 2;
constexpr int kNewObject = kOwn | kNoShadow;
// Flag of from_python.
constexpr int kDisown = 1;

PyTypeObject* proxy_type();
PyObject* proxy_new(void* ptr, SwigTypeDescriptor* ty, int own);

// Every argument conversion asks these; the common answers are inline.
extern PyTypeObject* g_proxy_type;
extern PyObject* g_this_name;
bool is_foreign_proxy(PyObject* obj);
inline bool is_proxy(PyObject* obj) {
  return (Py_TYPE(obj) == g_proxy_type && g_proxy_type) || is_foreign_proxy(obj);
}
SwigPyObject* get_this(PyObject* obj);

// Converts obj to an address of type ty. 0 on success (None gives null), -1
// on failure with no Python exception set. `matched` receives the proxy that
// matched (null for None).
int from_python(PyObject* obj, void** out, SwigTypeDescriptor* ty, int flags,
                SwigPyObject** matched = nullptr);
PyObject* to_python(void* ptr, SwigTypeDescriptor* ty, int flags);
PyObject* shadow_new(SwigClassBinding* binding, PyObject* proxy);
// Finishes a new proxy (whose reference this consumes) as to_python does:
// a shadow instance when the type has a class and flags allow, else the proxy.
PyObject* shadow_or_bare(PyObject* proxy, SwigTypeDescriptor* ty, int flags);

// The interned name "this", made on first use.
PyObject* make_this_name();
inline PyObject* this_name() { return g_this_name ? g_this_name : make_this_name(); }
void release_this_name();

// Makes `proxy` (a result of to_python, bare or shadow) keep `owner` alive.
void proxy_keep_alive(PyObject* result, PyObject* owner);

}  // namespace quon::rt

#endif
