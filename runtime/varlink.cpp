#include "varlink.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quon::rt {
namespace {

struct Variable {
  char* name;
  PyObject* (*get)();
  int (*set)(PyObject*);
  Variable* next;
};

struct VarLink {
  PyObject_HEAD
  Variable* vars;
};

VarLink* as_link(PyObject* obj) { return reinterpret_cast<VarLink*>(obj); }

PyObject* g_link = nullptr;

void varlink_dealloc(PyObject* self) {
  Variable* v = as_link(self)->vars;
  while (v) {
    Variable* next = v->next;
    std::free(v->name);
    std::free(v);
    v = next;
  }
  as_link(self)->vars = nullptr;
}

PyObject* varlink_repr(PyObject*) { return PyString_FromString("<Swig global variables>"); }

PyObject* varlink_str(PyObject* self) {
  std::string text = "(";
  for (Variable* v = as_link(self)->vars; v; v = v->next) {
    text += v->name;
    if (v->next) text += ", ";
  }
  text += ")";
  return PyString_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

int varlink_print(PyObject* self, FILE* fp, int) {
  PyObject* str = varlink_str(self);
  if (!str) return -1;
  std::fprintf(fp, "Swig global variables ");
  std::fprintf(fp, "%s\n", PyString_AsString(str));
  Py_DECREF(str);
  return 0;
}

PyObject* varlink_getattr(PyObject* self, char* name) {
  PyObject* result = nullptr;
  for (Variable* v = as_link(self)->vars; v; v = v->next) {
    if (std::strcmp(v->name, name) == 0) {
      result = v->get();
      break;
    }
  }
  if (!result && !PyErr_Occurred())
    PyErr_Format(PyExc_AttributeError, "Unknown C global variable '%s'", name);
  return result;
}

int varlink_setattr(PyObject* self, char* name, PyObject* value) {
  int result = 1;
  for (Variable* v = as_link(self)->vars; v; v = v->next) {
    if (std::strcmp(v->name, name) == 0) {
      result = v->set(value);
      break;
    }
  }
  if (result == 1 && !PyErr_Occurred())
    PyErr_Format(PyExc_AttributeError, "Unknown C global variable '%s'", name);
  return result;
}

PyTypeObject* varlink_type() {
  static PyTypeObject type;
  static bool ready = false;
  if (!ready) {
    start_static_type(type, "swigvarlink", sizeof(VarLink));
    type.tp_dealloc = varlink_dealloc;
    type.tp_print = varlink_print;
    type.tp_getattr = varlink_getattr;
    type.tp_setattr = varlink_setattr;
    type.tp_repr = varlink_repr;
    type.tp_str = varlink_str;
    type.tp_doc = "Swig var link object";
    if (PyType_Ready(&type) < 0) return nullptr;
    ready = true;
  }
  return &type;
}

}  // namespace

PyObject* varlink_get() {
  if (!g_link) {
    PyTypeObject* type = varlink_type();
    if (!type) return nullptr;
    VarLink* link = PyObject_New(VarLink, type);
    if (!link) return nullptr;
    link->vars = nullptr;
    g_link = reinterpret_cast<PyObject*>(link);
  }
  return g_link;
}

void varlink_add(PyObject* link, const char* name, PyObject* (*get)(), int (*set)(PyObject*)) {
  auto* v = static_cast<Variable*>(std::malloc(sizeof(Variable)));
  if (!v) return;
  const std::size_t size = std::strlen(name) + 1;
  v->name = static_cast<char*>(std::malloc(size));
  if (!v->name) {
    std::free(v);
    return;
  }
  std::memcpy(v->name, name, size);
  v->get = get;
  v->set = set;
  v->next = as_link(link)->vars;
  as_link(link)->vars = v;
}

}  // namespace quon::rt
