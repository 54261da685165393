// A test-only extension module built from the same runtime sources as
// QuonPython. It joins the type registry that QuonPython published, makes
// and converts proxies of its own proxy type, and exposes the runtime's
// lookups and value conversions so tests can check them exactly.
#include <string>

#include "convert.h"
#include "module_types.h"
#include "proxy.h"
#include "toolkit.h"

namespace {

using namespace quon::rt;

SwigTypeDescriptor* find(const char* text) { return type_query(&swig_module, &swig_module, text); }

// make(type name, address, flags) -> a proxy made by this module.
PyObject* make(PyObject*, PyObject* args) {
  const char* name;
  PyObject* address;
  int flags;
  if (!PyArg_ParseTuple(args, "sOi:make", &name, &address, &flags)) return nullptr;
  SwigTypeDescriptor* ty = find(name);
  if (!ty) {
    PyErr_SetString(PyExc_LookupError, name);
    return nullptr;
  }
  void* ptr = PyLong_AsVoidPtr(address);
  if (PyErr_Occurred()) return nullptr;
  return to_python(ptr, ty, flags);
}

// convert(object, type name[, disown]) -> the address as a long, or None on failure.
PyObject* convert(PyObject*, PyObject* args) {
  PyObject* obj;
  const char* name;
  int disown = 0;
  if (!PyArg_ParseTuple(args, "Os|i:convert", &obj, &name, &disown)) return nullptr;
  SwigTypeDescriptor* ty = find(name);
  if (!ty) {
    PyErr_SetString(PyExc_LookupError, name);
    return nullptr;
  }
  void* ptr = nullptr;
  if (from_python(obj, &ptr, ty, disown ? kDisown : 0) != 0) Py_RETURN_NONE;
  return PyLong_FromVoidPtr(ptr);
}

// query(text) -> (name, pretty name) of the descriptor found, or None.
PyObject* query(PyObject*, PyObject* args) {
  const char* text;
  if (!PyArg_ParseTuple(args, "s:query", &text)) return nullptr;
  SwigTypeDescriptor* ty = find(text);
  if (!ty) Py_RETURN_NONE;
  return Py_BuildValue("(ss)", ty->name, type_pretty_name(ty));
}

// position(name) -> the registry position of the descriptor in use for it.
PyObject* position(PyObject*, PyObject* args) {
  const char* text;
  if (!PyArg_ParseTuple(args, "s:position", &text)) return nullptr;
  SwigTypeDescriptor* ty = type_query_by_name(&swig_module, &swig_module, text);
  for (unsigned i = 0; ty && i < swig_module.count; ++i)
    if (swig_module.types[i] == ty) return PyInt_FromLong(i);
  Py_RETURN_NONE;
}

// casts(target) -> the source names of the target's cast list, in list order.
PyObject* casts(PyObject*, PyObject* args) {
  const char* name;
  if (!PyArg_ParseTuple(args, "s:casts", &name)) return nullptr;
  SwigTypeDescriptor* ty = find(name);
  if (!ty) Py_RETURN_NONE;
  PyObject* list = PyList_New(0);
  for (SwigCastEntry* e = ty->casts; e && list; e = e->next) {
    PyObject* s = PyString_FromString(e->source->name);
    PyList_Append(list, s);
    Py_XDECREF(s);
  }
  return list;
}

// check(source, target) -> whether target accepts source (moving it to the front).
PyObject* check(PyObject*, PyObject* args) {
  const char *source, *target;
  if (!PyArg_ParseTuple(args, "ss:check", &source, &target)) return nullptr;
  SwigTypeDescriptor* ty = find(target);
  if (!ty) Py_RETURN_NONE;
  return PyBool_FromLong(type_check(source, ty) != nullptr);
}

PyObject* equivalent(PyObject*, PyObject* args) {
  const char *display, *text;
  if (!PyArg_ParseTuple(args, "ss:equivalent", &display, &text)) return nullptr;
  return PyBool_FromLong(type_equivalent(display, text));
}

// shared() -> True when this module's registry is joined with another.
PyObject* shared(PyObject*, PyObject*) { return PyBool_FromLong(swig_module.next != &swig_module); }

// initialise_again() -> re-runs the registry initialisation; returns the
// descriptor array before and after as two tuples of addresses.
PyObject* initialise_again(PyObject*, PyObject*) {
  PyObject* before = PyTuple_New(swig_module.count);
  for (unsigned i = 0; i < swig_module.count; ++i)
    PyTuple_SET_ITEM(before, i, PyLong_FromVoidPtr(swig_module.types[i]));
  module_registry_initialise();
  PyObject* after = PyTuple_New(swig_module.count);
  for (unsigned i = 0; i < swig_module.count; ++i)
    PyTuple_SET_ITEM(after, i, PyLong_FromVoidPtr(swig_module.types[i]));
  return Py_BuildValue("(NN)", before, after);
}

// value(kind, object) -> (result code, converted value or None).
PyObject* value(PyObject*, PyObject* args) {
  const char* kind;
  PyObject* obj;
  if (!PyArg_ParseTuple(args, "sO:value", &kind, &obj)) return nullptr;
  const std::string k = kind;
  int code;
  PyObject* result = nullptr;
  if (k == "int") {
    int v = 0;
    code = as_signed<int>(obj, &v);
    if (ok(code)) result = PyInt_FromLong(v);
  } else if (k == "long") {
    long v = 0;
    code = as_long(obj, &v);
    if (ok(code)) result = PyInt_FromLong(v);
  } else if (k == "unsigned int") {
    unsigned int v = 0;
    code = as_unsigned<unsigned int>(obj, &v);
    if (ok(code)) result = PyLong_FromUnsignedLong(v);
  } else if (k == "size_t") {
    std::size_t v = 0;
    code = as_unsigned<std::size_t>(obj, &v);
    if (ok(code)) result = PyLong_FromSize_t(v);
  } else if (k == "unsigned char") {
    unsigned char v = 0;
    code = as_unsigned_char(obj, &v);
    if (ok(code)) result = PyInt_FromLong(v);
  } else if (k == "double") {
    double v = 0;
    code = as_double(obj, &v);
    if (ok(code)) result = PyFloat_FromDouble(v);
  } else if (k == "float") {
    float v = 0;
    code = as_float(obj, &v);
    if (ok(code)) result = PyFloat_FromDouble(v);
  } else if (k == "bool") {
    bool v = false;
    code = as_bool(obj, &v);
    if (ok(code)) result = PyBool_FromLong(v);
  } else if (k == "string") {
    std::string v;
    bool is_null = false;
    code = as_std_string(obj, &v, &is_null);
    if (ok(code) && !is_null) result = PyString_FromStringAndSize(v.data(), static_cast<Py_ssize_t>(v.size()));
  } else {
    PyErr_SetString(PyExc_ValueError, kind);
    return nullptr;
  }
  if (!result) {
    Py_INCREF(Py_None);
    result = Py_None;
  }
  return Py_BuildValue("(iN)", code, result);
}

// int64(value) -> the 64-bit result conversion of value.
PyObject* int64(PyObject*, PyObject* args) {
  long long v;
  if (!PyArg_ParseTuple(args, "L:int64", &v)) return nullptr;
  return from_int64(v);
}

PyMethodDef methods[] = {
    {"make", make, METH_VARARGS, nullptr},
    {"convert", convert, METH_VARARGS, nullptr},
    {"query", query, METH_VARARGS, nullptr},
    {"position", position, METH_VARARGS, nullptr},
    {"casts", casts, METH_VARARGS, nullptr},
    {"check", check, METH_VARARGS, nullptr},
    {"equivalent", equivalent, METH_VARARGS, nullptr},
    {"shared", shared, METH_NOARGS, nullptr},
    {"initialise_again", initialise_again, METH_NOARGS, nullptr},
    {"value", value, METH_VARARGS, nullptr},
    {"int64", int64, METH_VARARGS, nullptr},
    {nullptr, nullptr, 0, nullptr}};

}  // namespace

extern "C" QUON_MODULE_EXPORT void initruntime_peer(void) {
  if (!Py_InitModule4("runtime_peer", methods, nullptr, nullptr, 1013)) return;
  module_registry_initialise();
}
