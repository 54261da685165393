// Reference points for the benchmarks: trivial extension functions (the
// floor of any call with that many arguments) and a minimal hand-written
// wrapper of Vector_x_get doing only what every wrapper must do.
#include "python.h"
#include "QuonMath.h"
#include "proxy.h"
#include "toolkit.h"

namespace {

PyObject* nothing0(PyObject*, PyObject* args) {
  if (!PyArg_ParseTuple(args, ":nothing0")) return nullptr;
  Py_RETURN_NONE;
}
PyObject* nothing1(PyObject*, PyObject* args) {
  PyObject* a;
  if (!PyArg_ParseTuple(args, "O:nothing1", &a)) return nullptr;
  Py_RETURN_NONE;
}
PyObject* nothing2(PyObject*, PyObject* args) {
  PyObject *a, *b;
  if (!PyArg_ParseTuple(args, "OO:nothing2", &a, &b)) return nullptr;
  Py_RETURN_NONE;
}
PyObject* nothing3(PyObject*, PyObject* args) {
  PyObject *a, *b, *c;
  if (!PyArg_ParseTuple(args, "OOO:nothing3", &a, &b, &c)) return nullptr;
  Py_RETURN_NONE;
}

// Parse, find "this", check its type, read with the lock released, convert.
PyObject* hand_vector_x_get(PyObject*, PyObject* args) {
  static PyObject* this_name = PyString_InternFromString("this");
  static SwigTypeDescriptor* vector_type = nullptr;
  PyObject* obj;
  if (!PyArg_ParseTuple(args, "O:hand_vector_x_get", &obj)) return nullptr;
  PyObject** dict = _PyObject_GetDictPtr(obj);
  PyObject* proxy = dict && *dict ? PyDict_GetItem(*dict, this_name) : nullptr;
  if (!proxy || !quon::rt::is_proxy(proxy)) {
    PyErr_SetString(PyExc_TypeError, "not a vector");
    return nullptr;
  }
  auto* p = reinterpret_cast<SwigPyObject*>(proxy);
  if (!vector_type && p->ty && std::strcmp(p->ty->name, "_p_Quon__Vector") == 0) vector_type = p->ty;
  if (p->ty != vector_type || !p->ptr) {
    PyErr_SetString(PyExc_TypeError, "not a vector");
    return nullptr;
  }
  float x;
  Py_BEGIN_ALLOW_THREADS
  x = static_cast<Quon::Vector*>(p->ptr)->x;
  Py_END_ALLOW_THREADS
  return PyFloat_FromDouble(x);
}

PyMethodDef methods[] = {
    {"nothing0", nothing0, METH_VARARGS, nullptr},
    {"nothing1", nothing1, METH_VARARGS, nullptr},
    {"nothing2", nothing2, METH_VARARGS, nullptr},
    {"nothing3", nothing3, METH_VARARGS, nullptr},
    {"hand_vector_x_get", hand_vector_x_get, METH_VARARGS, nullptr},
    {nullptr, nullptr, 0, nullptr}};

}  // namespace

extern "C" QUON_MODULE_EXPORT void initbench_floor(void) {
  Py_InitModule4("bench_floor", methods, nullptr, nullptr, 1013);
}
