#include "proxy.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace quon::rt {

PyObject* g_this_name = nullptr;
PyTypeObject* g_proxy_type = nullptr;

namespace {


// Chains and "this" indirections are walked at most this far, so that a
// cycle built from Python can never make a conversion loop forever.
constexpr int kMaxHops = 1024;

SwigPyObject* as_proxy(PyObject* obj) { return reinterpret_cast<SwigPyObject*>(obj); }

PyObject* proxy_repr(PyObject* self) {
  SwigPyObject* p = as_proxy(self);
  const char* name = type_pretty_name(p->ty);
  PyObject* repr = PyString_FromFormat("<Swig Object of type '%s' at %p>", name ? name : "unknown",
                                       static_cast<void*>(self));
  if (repr && p->next) PyString_ConcatAndDel(&repr, PyObject_Repr(p->next));
  return repr;
}

PyObject* proxy_repr_method(PyObject* self, PyObject*) { return proxy_repr(self); }

int proxy_compare(PyObject* a, PyObject* b) {
  if (!is_proxy(b)) return a < b ? -1 : (a > b ? 1 : 0);
  auto i = reinterpret_cast<std::uintptr_t>(as_proxy(a)->ptr);
  auto j = reinterpret_cast<std::uintptr_t>(as_proxy(b)->ptr);
  return i < j ? -1 : (i > j ? 1 : 0);
}

PyObject* proxy_richcompare(PyObject* a, PyObject* b, int op) {
  if ((op != Py_EQ && op != Py_NE) || !is_proxy(a) || !is_proxy(b)) {
    Py_INCREF(Py_NotImplemented);
    return Py_NotImplemented;
  }
  const bool equal = as_proxy(a)->ptr == as_proxy(b)->ptr;
  return PyBool_FromLong(op == Py_EQ ? equal : !equal);
}

PyObject* proxy_long(PyObject* self) { return PyLong_FromVoidPtr(as_proxy(self)->ptr); }

PyObject* proxy_format_address(PyObject* self, const char* format) {
  char text[64];
  std::snprintf(text, sizeof text, format,
                static_cast<std::uintmax_t>(reinterpret_cast<std::uintptr_t>(as_proxy(self)->ptr)));
  return PyString_FromString(text);
}
PyObject* proxy_oct(PyObject* self) { return proxy_format_address(self, "%" PRIoMAX); }
PyObject* proxy_hex(PyObject* self) { return proxy_format_address(self, "%" PRIxMAX); }

PyObject* proxy_disown(PyObject* self, PyObject*) {
  as_proxy(self)->own = 0;
  Py_RETURN_NONE;
}

PyObject* proxy_acquire(PyObject* self, PyObject*) {
  as_proxy(self)->own = 1;
  Py_RETURN_NONE;
}

PyObject* proxy_own(PyObject* self, PyObject* args) {
  PyObject* value = nullptr;
  if (!PyArg_UnpackTuple(args, "own", 0, 1, &value)) return nullptr;
  SwigPyObject* p = as_proxy(self);
  const int before = p->own;
  if (value) {
    const int truth = PyObject_IsTrue(value);
    if (truth < 0) return nullptr;  // ownership left as it was
    p->own = truth ? 1 : 0;
  }
  return PyBool_FromLong(before);
}

PyObject* proxy_append(PyObject* self, PyObject* other) {
  if (!is_proxy(other)) return nullptr;  // reported by the interpreter as SystemError
  int hops = 0;
  for (PyObject* q = other; q; q = as_proxy(q)->next) {
    if (q == self || ++hops > kMaxHops) {
      PyErr_SetString(PyExc_ValueError, "appending this proxy would make a cycle of proxies");
      return nullptr;
    }
  }
  Py_INCREF(other);
  Py_XSETREF(as_proxy(self)->next, other);
  Py_RETURN_NONE;
}

PyObject* proxy_next(PyObject* self, PyObject*) {
  PyObject* next = as_proxy(self)->next;
  if (!next) Py_RETURN_NONE;
  Py_INCREF(next);
  return next;
}

void proxy_dealloc(PyObject* self) {
  SwigPyObject* p = as_proxy(self);
  // A proxy kept alive by another object (a view, a borrowed instance) never
  // holds its memory, whatever acquire() or own(True) made of its flag.
  if (p->own == 1 && !p->owner) {
    SwigClassBinding* binding = p->ty ? p->ty->binding : nullptr;
    if (binding && binding->destroy) {
      // The destroy function gets a temporary, non-owning proxy of the same
      // object, never this dying one, and any pending exception survives.
      PyObject *type, *value, *traceback;
      PyErr_Fetch(&type, &value, &traceback);
      PyObject* temporary = proxy_new(p->ptr, p->ty, 0);
      PyObject* result = nullptr;
      if (temporary) {
        if (binding->destroy_takes_tuple) {
          result = PyObject_CallFunctionObjArgs(binding->destroy, temporary, nullptr);
        } else {
          result = PyCFunction_GET_FUNCTION(binding->destroy)(PyCFunction_GET_SELF(binding->destroy),
                                                              temporary);
        }
        Py_DECREF(temporary);
      }
      Py_XDECREF(result);
      PyErr_Restore(type, value, traceback);
    } else {
      const char* name = type_pretty_name(p->ty);
      std::printf("swig/python detected a memory leak of type '%s', no destructor found.\n",
                  name ? name : "unknown");
    }
  }
  Py_XDECREF(p->next);
  Py_XDECREF(p->owner);
  PyObject_Free(self);
}

PyMethodDef proxy_methods[] = {
    {"disown", proxy_disown, METH_NOARGS, "releases ownership of the pointer"},
    {"acquire", proxy_acquire, METH_NOARGS, "acquires ownership of the pointer"},
    {"own", proxy_own, METH_VARARGS, "returns/sets ownership of the pointer"},
    {"append", proxy_append, METH_O, "appends another 'this' object"},
    {"next", proxy_next, METH_NOARGS, "returns the next 'this' object"},
    {"__repr__", proxy_repr_method, METH_NOARGS, "returns object representation"},
    {nullptr, nullptr, 0, nullptr}};

PyNumberMethods proxy_number_methods;

}  // namespace

PyTypeObject* proxy_type() {
  if (g_proxy_type) return g_proxy_type;
  static PyTypeObject type;
  start_static_type(type, "SwigPyObject", sizeof(SwigPyObject));
  type.tp_dealloc = proxy_dealloc;
  type.tp_compare = proxy_compare;
  type.tp_repr = proxy_repr;
  proxy_number_methods.nb_int = proxy_long;
  proxy_number_methods.nb_long = proxy_long;
  proxy_number_methods.nb_oct = proxy_oct;
  proxy_number_methods.nb_hex = proxy_hex;
  type.tp_as_number = &proxy_number_methods;
  type.tp_getattro = PyObject_GenericGetAttr;
  type.tp_flags = Py_TPFLAGS_DEFAULT;
  type.tp_doc = "Swig object carries a C/C++ instance pointer";
  type.tp_richcompare = proxy_richcompare;
  type.tp_methods = proxy_methods;
  if (PyType_Ready(&type) < 0) return nullptr;
  g_proxy_type = &type;
  return g_proxy_type;
}

PyObject* make_this_name() {
  if (!g_this_name) g_this_name = PyString_InternFromString("this");
  return g_this_name;
}

void release_this_name() { Py_CLEAR(g_this_name); }

PyObject* proxy_new(void* ptr, SwigTypeDescriptor* ty, int own) {
  PyTypeObject* type = proxy_type();
  if (!type) return nullptr;
  SwigPyObject* p = PyObject_New(SwigPyObject, type);
  if (!p) return nullptr;
  p->ptr = ptr;
  p->ty = ty;
  p->own = own;
  p->next = nullptr;
  p->owner = nullptr;
  return reinterpret_cast<PyObject*>(p);
}

bool is_foreign_proxy(PyObject* obj) {
  PyTypeObject* type = Py_TYPE(obj);
  if (type == proxy_type()) return true;
  // Another module's proxy type goes by the same name. The first letter is
  // tested inline: this runs for every instance argument, whose class name
  // rarely begins with 'S'. A Python class of that name is not a proxy type:
  // proxy types are static types at least as large as a proxy.
  const char* name = type->tp_name;
  return name[0] == 'S' && std::strcmp(name, "SwigPyObject") == 0 &&
         !(type->tp_flags & Py_TPFLAGS_HEAPTYPE) &&
         type->tp_basicsize >= static_cast<Py_ssize_t>(sizeof(SwigPyObject));
}

SwigPyObject* get_this(PyObject* obj) {
  for (int hops = 0; obj && hops < kMaxHops; ++hops) {
    if (is_proxy(obj)) return as_proxy(obj);
    PyObject* value;
    if (PyInstance_Check(obj)) {
      value = _PyInstance_Lookup(obj, this_name());
    } else if (PyObject** dict = _PyObject_GetDictPtr(obj)) {
      if (!*dict) return nullptr;
      value = PyDict_GetItem(*dict, this_name());
    } else if (PyWeakref_CheckProxy(obj)) {
      obj = PyWeakref_GET_OBJECT(obj);
      continue;
    } else {
      value = PyObject_GetAttr(obj, this_name());
      if (!value) {
        PyErr_Clear();
        return nullptr;
      }
      // The owner keeps the value alive. A "this" made afresh for the lookup
      // (a property, __getattr__) has no owner and would die here: refused.
      const bool owned_elsewhere = Py_REFCNT(value) > 1;
      Py_DECREF(value);
      if (!owned_elsewhere) return nullptr;
    }
    if (!value || is_proxy(value)) return value ? as_proxy(value) : nullptr;
    obj = value;
  }
  return nullptr;
}

namespace {

// True when a proxy kept alive by others (its owner chain) points into an
// object that was deleted explicitly: it then converts to null, so using it
// is refused instead of reaching freed memory.
bool owner_deleted(const SwigPyObject* p) {
  for (int hops = 0; p->owner && hops < kMaxHops; ++hops) {
    if (!is_proxy(p->owner)) return false;
    p = as_proxy(p->owner);
    if (!p->ptr) return true;
  }
  return false;
}

}  // namespace

int from_python(PyObject* obj, void** out, SwigTypeDescriptor* ty, int flags, SwigPyObject** matched) {
  if (obj == Py_None) {
    if (out) *out = nullptr;
    if (matched) *matched = nullptr;
    return 0;
  }
  SwigPyObject* p = get_this(obj);
  for (int hops = 0; p && hops < kMaxHops; ++hops) {
    void* address = nullptr;
    bool hit = false;
    if (p->ty == ty) {
      address = p->ptr;
      hit = true;
    } else if (p->ty && p->ty->name) {
      if (SwigCastEntry* entry = type_check(p->ty->name, ty)) {
        address = type_cast(entry, p->ptr);
        hit = true;
      }
    }
    if (hit) {
      if (owner_deleted(p)) address = nullptr;
      if (out) *out = address;
      if (flags & kDisown) p->own = 0;
      if (matched) *matched = p;
      return 0;
    }
    p = p->next ? as_proxy(p->next) : nullptr;
  }
  return -1;
}

PyObject* shadow_new(SwigClassBinding* binding, PyObject* proxy) {
  PyObject* instance;
  if (binding->new_callable) {
    instance = PyObject_Call(binding->new_callable, binding->new_args, nullptr);
    if (!instance) return nullptr;
    // Only a new instance of the class may receive the proxy: a __new__ that
    // hands back an existing object (or a class) would lose that object's
    // own "this" or write into a type's dictionary.
    PyObject** dict = PyType_Check(instance) ? nullptr : _PyObject_GetDictPtr(instance);
    if (PyType_Check(instance) || PyObject_IsInstance(instance, binding->cls) != 1 ||
        (dict && *dict && PyDict_GetItem(*dict, this_name()))) {
      PyErr_Clear();
      PyErr_Format(PyExc_TypeError, "%.200s.__new__ did not return a new instance of the class",
                   PyType_Check(binding->cls) ? reinterpret_cast<PyTypeObject*>(binding->cls)->tp_name
                                              : "registered class");
      Py_DECREF(instance);
      return nullptr;
    }
    // The instance carries its proxy as "this"; set it even if __new__
    // already made a dictionary, so the instance is never left without one.
    int status;
    if (dict) {
      if (!*dict) *dict = PyDict_New();
      status = *dict ? PyDict_SetItem(*dict, this_name(), proxy) : -1;
    } else {
      status = PyObject_SetAttr(instance, this_name(), proxy);
    }
    if (status < 0) {
      Py_DECREF(instance);
      return nullptr;
    }
    return instance;
  }
  if (binding->new_args && PyClass_Check(binding->cls)) {
    PyObject* dict = PyDict_New();
    if (!dict) return nullptr;
    if (PyDict_SetItem(dict, this_name(), proxy) < 0) {
      Py_DECREF(dict);
      return nullptr;
    }
    instance = PyInstance_NewRaw(binding->cls, dict);
    Py_DECREF(dict);
    return instance;
  }
  // The binding was released with the runtime at interpreter exit.
  Py_INCREF(proxy);
  return proxy;
}

PyObject* to_python(void* ptr, SwigTypeDescriptor* ty, int flags) {
  if (!ptr) Py_RETURN_NONE;
  PyObject* proxy = proxy_new(ptr, ty, flags & kOwn);
  if (!proxy) return nullptr;
  return shadow_or_bare(proxy, ty, flags);
}

PyObject* shadow_or_bare(PyObject* proxy, SwigTypeDescriptor* ty, int flags) {
  if (ty->binding && !(flags & kNoShadow)) {
    PyObject* instance = shadow_new(ty->binding, proxy);
    Py_DECREF(proxy);
    return instance;
  }
  return proxy;
}

void proxy_keep_alive(PyObject* result, PyObject* owner) {
  if (!result || !owner) return;
  SwigPyObject* p = get_this(result);
  if (!p || p == as_proxy(owner)) return;
  Py_INCREF(owner);
  Py_XSETREF(p->owner, owner);
}

}  // namespace quon::rt
