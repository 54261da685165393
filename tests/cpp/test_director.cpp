// The director runtime with an embedded interpreter: the interpreter-lock
// block on threads Python does not know, the reference holder, director
// ownership and the director exception.
#include <gtest/gtest.h>

#include <thread>

#include "../../controller/director.h"

namespace {

// Whether this thread holds the interpreter lock.
bool holds_lock() { return _PyThreadState_Current && _PyThreadState_Current == PyGILState_GetThisThreadState(); }

int thread_states() {
  int count = 0;
  for (PyThreadState* t = PyInterpreterState_ThreadHead(PyInterpreterState_Head()); t;
       t = PyThreadState_Next(t))
    ++count;
  return count;
}

class Director : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Py_Initialize();
    PyEval_InitThreads();
    main_state_ = PyEval_SaveThread();  // the tests take the lock as callbacks do
  }
  static void TearDownTestSuite() { PyEval_RestoreThread(main_state_); }
  static PyThreadState* main_state_;
};
PyThreadState* Director::main_state_ = nullptr;

TEST_F(Director, LockBlockWorksOnForeignThreadsAndKeepsOneStatePerThread) {
  int before, during = 0, after;
  {
    Swig::GilBlock block;
    before = thread_states();
  }
  std::thread worker([&] {
    for (int i = 0; i < 100; ++i) {
      Swig::GilBlock block;
      PyObject* n = PyInt_FromLong(i);  // Python objects are usable here
      Py_DECREF(n);
      during = thread_states();
    }
  });
  worker.join();
  {
    Swig::GilBlock block;
    after = thread_states();
  }
  EXPECT_EQ(during, before + 1);  // one state for the thread, kept between blocks
  EXPECT_EQ(after, before);       // and freed when the thread ended
}

TEST_F(Director, LockBlockEndsOnce) {
  Swig::GilBlock block;
  EXPECT_TRUE(holds_lock());
  block.end();
  block.end();
  EXPECT_FALSE(holds_lock());
}

TEST_F(Director, DisownTakesOneReferenceAndTheDestructorDropsIt) {
  Swig::GilBlock block;
  PyObject* self = PyList_New(0);
  const Py_ssize_t start = Py_REFCNT(self);
  {
    auto* director = new Swig::Director(self);
    EXPECT_EQ(director->self_object(), self);
    EXPECT_EQ(Py_REFCNT(self), start);  // owned by Python: no reference
    director->disown();
    director->disown();
    EXPECT_EQ(Py_REFCNT(self), start + 1);
    delete director;
  }
  EXPECT_EQ(Py_REFCNT(self), start);
  Py_DECREF(self);
}

TEST_F(Director, ExceptionKeepsAPendingErrorAndFormatsItsMessage) {
  Swig::GilBlock block;
  try {
    Swig::DirectorException::raise(PyExc_RuntimeError, "header");
  } catch (const Swig::DirectorException& e) {
    EXPECT_STREQ(e.what(), "header");
  }
  ASSERT_TRUE(PyErr_ExceptionMatches(PyExc_RuntimeError));
  PyErr_Clear();

  PyErr_SetString(PyExc_KeyError, "first");
  Swig::DirectorException second(PyExc_RuntimeError, "header", "detail");
  EXPECT_STREQ(second.what(), "header detail");
  PyObject *type, *value, *traceback;
  PyErr_Fetch(&type, &value, &traceback);
  EXPECT_EQ(type, PyExc_KeyError);
  EXPECT_STREQ(PyString_AsString(value), "first");
  Py_XDECREF(type);
  Py_XDECREF(value);
  Py_XDECREF(traceback);
}

TEST_F(Director, ReferenceHolderDropsItsReferenceUnderTheLock) {
  PyObject* object;
  Py_ssize_t start;
  {
    Swig::GilBlock block;
    object = PyList_New(0);
    Py_INCREF(object);
    start = Py_REFCNT(object);
  }
  std::thread([object] { Swig::PyRef held(object); }).join();
  Swig::GilBlock block;
  EXPECT_EQ(Py_REFCNT(object), start - 1);
  Py_DECREF(object);
}

}  // namespace
