#include "director.h"

namespace Swig {
namespace {

// Holds one extra use of this thread's Python thread state, given back when
// the thread ends so that the interpreter frees the state then.
struct KeptThreadState {
  bool kept = false;
  ~KeptThreadState() {
    if (!kept || !Py_IsInitialized()) return;
    PyGILState_Ensure();                   // takes the lock (the state is not current)
    PyGILState_Release(PyGILState_LOCKED);  // drops that use, keeps the lock
    PyGILState_Release(PyGILState_UNLOCKED);  // drops the kept use: the state is freed
  }
};

thread_local KeptThreadState t_kept;

}  // namespace

void keep_thread_state() {
  if (t_kept.kept || PyGILState_GetThisThreadState()) return;
  PyGILState_Ensure();  // makes this thread's state and takes the lock
  t_kept.kept = true;
  PyEval_SaveThread();  // gives the lock back; the state stays, in use once
}

}  // namespace Swig
