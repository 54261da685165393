// A test-only module built on the same runtime as QuonPython. It joins the
// shared type registry and hands out concrete swig::SwigPyIterator objects
// over Python sequences, so that QuonPython's iterator functions can be run
// on iterators that another module made.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "../../containers/iterator.h"
#include "module_types.h"
#include "proxy.h"

namespace {

using swig::GilHold;
using swig::SwigPyIterator;

std::atomic<int> g_live{0};
std::mutex g_log_lock;
std::vector<std::string> g_log;  // "incr 3", "decr 0", ... in call order

void log_call(const char* what, std::size_t n) {
  std::lock_guard<std::mutex> hold(g_log_lock);
  g_log.push_back(std::string(what) + " " + std::to_string(n));
}

// Positions 0 to the sequence's length; the length is the end, which has no
// value. Iterators over different sequences, or made incomparable, cannot be
// compared. Every Python object use takes the lock itself, since the module
// calls some operations without it.
class SequenceIterator : public SwigPyIterator {
 public:
  SequenceIterator(PyObject* sequence, Py_ssize_t position, bool comparable)
      : sequence_(sequence), position_(position), comparable_(comparable) {
    Py_INCREF(sequence_);
    ++g_live;
  }
  SequenceIterator(const SequenceIterator& other) : SwigPyIterator(other) {
    GilHold hold;
    sequence_ = other.sequence_;
    position_ = other.position_;
    comparable_ = other.comparable_;
    Py_INCREF(sequence_);
    ++g_live;
  }
  ~SequenceIterator() override {
    GilHold hold;
    Py_DECREF(sequence_);
    --g_live;
  }

  PyObject* value() const override {
    GilHold hold;
    if (position_ < 0 || position_ >= length()) throw swig::stop_iteration();
    return PySequence_GetItem(sequence_, position_);
  }
  SwigPyIterator* incr(std::size_t n) override {
    log_call("incr", n);
    if (static_cast<Py_ssize_t>(n) > length() - position_) throw swig::stop_iteration();
    position_ += static_cast<Py_ssize_t>(n);
    return this;
  }
  SwigPyIterator* decr(std::size_t n) override {
    log_call("decr", n);
    if (static_cast<Py_ssize_t>(n) > position_) throw swig::stop_iteration();
    position_ -= static_cast<Py_ssize_t>(n);
    return this;
  }
  std::ptrdiff_t distance(const SwigPyIterator& other) const override {
    return static_cast<std::ptrdiff_t>(comparable_with(other).position_ - position_);
  }
  bool equal(const SwigPyIterator& other) const override {
    return comparable_with(other).position_ == position_;
  }
  SwigPyIterator* copy() const override { return new SequenceIterator(*this); }

 private:
  Py_ssize_t length() const {
    GilHold hold;
    return PySequence_Size(sequence_);
  }
  const SequenceIterator& comparable_with(const SwigPyIterator& other) const {
    auto* same = dynamic_cast<const SequenceIterator*>(&other);
    if (!same || same->sequence_ != sequence_ || !comparable_ || !same->comparable_)
      throw std::invalid_argument("iterators over different sequences cannot be compared");
    return *same;
  }

  PyObject* sequence_;
  Py_ssize_t position_;
  bool comparable_;
};

// iterator(sequence, position=0, comparable=True): an owned iterator proxy.
PyObject* make_iterator(PyObject*, PyObject* args) {
  PyObject* sequence;
  Py_ssize_t position = 0;
  PyObject* comparable = Py_True;
  if (!PyArg_ParseTuple(args, "O|nO:iterator", &sequence, &position, &comparable)) return nullptr;
  if (!PySequence_Check(sequence)) {
    PyErr_SetString(PyExc_TypeError, "iterator needs a sequence");
    return nullptr;
  }
  auto* it = new SequenceIterator(sequence, position, PyObject_IsTrue(comparable) == 1);
  PyObject* result = quon::rt::to_python(it, quon::rt::type_of(quon::rt::kSwigPyIterator),
                                         quon::rt::kOwn);
  if (!result) delete it;
  return result;
}

PyObject* live(PyObject*, PyObject*) { return PyInt_FromLong(g_live.load()); }

// The incr/decr calls since the last take_log(), oldest first.
PyObject* take_log(PyObject*, PyObject*) {
  std::vector<std::string> calls;
  {
    std::lock_guard<std::mutex> hold(g_log_lock);
    calls.swap(g_log);
  }
  PyObject* list = PyList_New(static_cast<Py_ssize_t>(calls.size()));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    PyObject* text = PyString_FromString(calls[i].c_str());
    if (!text) {
      Py_DECREF(list);
      return nullptr;
    }
    PyList_SET_ITEM(list, static_cast<Py_ssize_t>(i), text);
  }
  return list;
}

PyMethodDef methods[] = {
    {"iterator", make_iterator, METH_VARARGS, nullptr},
    {"live", live, METH_NOARGS, nullptr},
    {"take_log", take_log, METH_NOARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void inititerator_peer(void) {
  if (!Py_InitModule4("iterator_peer", methods, nullptr, nullptr, 1013)) return;
  quon::rt::module_registry_initialise();
}
