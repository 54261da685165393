// Listeners: the director that forwards the library's callbacks to Python,
// and the bookkeeping that keeps a registered listener alive.
#ifndef QUON_CONTROLLER_LISTENER_H
#define QUON_CONTROLLER_LISTENER_H

#include "../runtime/python.h"
#include "Quon.h"

namespace quon::blocks {

// Called with the interpreter lock held around Controller::addListener (and
// the controller's constructor with a listener): `keep` is the Python object
// given for the listener; it stays alive until the library ends the
// registration with onExit. `cancel` undoes a begin whose registration failed.
void listener_registration_begin(Quon::Listener* listener, PyObject* keep);
void listener_registration_cancel(Quon::Listener* listener);

}  // namespace quon::blocks

#endif
