// Raw byte blocks for the Python suites: plain 'unsigned char *' proxies
// over blocks this module keeps until the process ends, so the suites can
// pass real buffers to QuonPython's buffer parameters and read them back.
#include <deque>
#include <vector>

#include "module_types.h"
#include "proxy.h"
#include "python.h"
#include "toolkit.h"

namespace {

using namespace quon::rt;

std::deque<std::vector<unsigned char>> g_blocks;

unsigned char* address_of(PyObject* obj) {
  void* address = nullptr;
  if (from_python(obj, &address, type_of(kUnsignedChar), 0) != 0 || !address) {
    PyErr_SetString(PyExc_TypeError, "not a byte block");
    return nullptr;
  }
  return static_cast<unsigned char*>(address);
}

// block(n): a zeroed block of n bytes (at least one), as a non-owning proxy.
PyObject* block(PyObject*, PyObject* args) {
  Py_ssize_t size;
  if (!PyArg_ParseTuple(args, "n:block", &size)) return nullptr;
  g_blocks.emplace_back(static_cast<std::size_t>(size > 0 ? size : 1), 0);
  return to_python(g_blocks.back().data(), type_of(kUnsignedChar), 0);
}

// read(block, n): the first n bytes as a str.
PyObject* read(PyObject*, PyObject* args) {
  PyObject* obj;
  Py_ssize_t size;
  if (!PyArg_ParseTuple(args, "On:read", &obj, &size)) return nullptr;
  unsigned char* address = address_of(obj);
  if (!address) return nullptr;
  return PyString_FromStringAndSize(reinterpret_cast<const char*>(address), size);
}

// write(block, bytes): copies a str into the block.
PyObject* write(PyObject*, PyObject* args) {
  PyObject* obj;
  const char* bytes;
  Py_ssize_t size;
  if (!PyArg_ParseTuple(args, "Os#:write", &obj, &bytes, &size)) return nullptr;
  unsigned char* address = address_of(obj);
  if (!address) return nullptr;
  for (Py_ssize_t i = 0; i < size; ++i) address[i] = static_cast<unsigned char>(bytes[i]);
  Py_RETURN_NONE;
}

PyMethodDef methods[] = {
    {"block", block, METH_VARARGS, nullptr},
    {"read", read, METH_VARARGS, nullptr},
    {"write", write, METH_VARARGS, nullptr},
    {nullptr, nullptr, 0, nullptr}};

}  // namespace

extern "C" QUON_MODULE_EXPORT void initbyte_blocks(void) {
  if (!Py_InitModule4("byte_blocks", methods, nullptr, nullptr, 1013)) return;
  module_registry_initialise();
}
