"""Quon: the Python face of the Quon hand-tracking library.

The classes here map Python classes, properties, operators and iteration onto
the flat functions of the extension module QuonPython. Each class registers
itself with its <Class>_swigregister function, so that module functions
returning objects of its type hand out instances of it.
"""

import types as _types

import QuonPython as _Q

cvar = _Q.cvar


def _swig_repr(self):
    try:
        strthis = "proxy of " + self.this.__repr__()
    except Exception:
        strthis = ""
    return "<%s.%s; %s >" % (self.__class__.__module__, self.__class__.__name__, strthis)


class _Object(object):
    """Base of the wrapped classes: keeps the native proxy under "this"."""

    __swig_destroy__ = None

    def __init__(self, this):
        self.this = this

    __repr__ = _swig_repr


def _method(function):
    """Makes a module function a method: the instance becomes argument 1.

    A builtin stored on a class is not bound to instances; wrapped as an
    unbound method it is, without an extra Python frame per call."""
    return _types.MethodType(function, None, object)


def _property(getter, setter=None, doc=None):
    if setter is None:
        return property(lambda self: getter(self), doc=doc)
    return property(lambda self: getter(self), lambda self, value: setter(self, value), doc=doc)


# ---- geometry ---------------------------------------------------------------


# ---- tracking data ----------------------------------------------------------


# ---- lists --------------------------------------------------------------------


# ---- images, screens, devices, configuration --------------------------------


# ---- raw arrays and iterator ----------------------------------------------------


# ---- controller and listener --------------------------------------------------


class Listener(object):
    """Receives a controller's events on the tracking library's threads.

    Subclass it and override any of on_init, on_connect, on_disconnect,
    on_exit, on_frame, on_focus_gained, on_focus_lost, on_service_connect,
    on_service_disconnect, on_device_change and on_images; each receives the
    Controller. A subclass with its own __init__ must call the base's
    (Listener.__init__(self) or super(...).__init__()). A plain Listener()
    receives nothing in Python, and the base methods do nothing.
    """

    __swig_destroy__ = _Q.delete_Listener

    def __init__(self):
        served = None if type(self) is Listener else self
        self.this = _Q.new_Listener(served)

    def disown(self):
        """Hands this listener to the native side, which then keeps it alive."""
        self.this.disown()
        _Q.disown_Listener(self)

    def on_init(self, controller):
        _Q.Listener_on_init(self, controller)

    def on_connect(self, controller):
        _Q.Listener_on_connect(self, controller)

    def on_disconnect(self, controller):
        _Q.Listener_on_disconnect(self, controller)

    def on_exit(self, controller):
        _Q.Listener_on_exit(self, controller)

    def on_frame(self, controller):
        _Q.Listener_on_frame(self, controller)

    def on_focus_gained(self, controller):
        _Q.Listener_on_focus_gained(self, controller)

    def on_focus_lost(self, controller):
        _Q.Listener_on_focus_lost(self, controller)

    def on_service_connect(self, controller):
        _Q.Listener_on_service_connect(self, controller)

    def on_service_disconnect(self, controller):
        _Q.Listener_on_service_disconnect(self, controller)

    def on_device_change(self, controller):
        _Q.Listener_on_device_change(self, controller)

    def on_images(self, controller):
        _Q.Listener_on_images(self, controller)

    __repr__ = _swig_repr


_Q.Listener_swigregister(Listener)


class Controller(_Object):
    """The connection to the tracking service.

    Controller() or Controller(listener). frame(history=0) is the latest
    frame or an earlier one; listeners receive events on the library's
    threads while registered.
    """

    POLICY_DEFAULT = _Q.Controller_POLICY_DEFAULT
    POLICY_BACKGROUND_FRAMES = _Q.Controller_POLICY_BACKGROUND_FRAMES
    POLICY_IMAGES = _Q.Controller_POLICY_IMAGES
    POLICY_OPTIMIZE_HMD = _Q.Controller_POLICY_OPTIMIZE_HMD

    __swig_destroy__ = _Q.delete_Controller

    def __init__(self, *listener):
        self.this = _Q.new_Controller(*listener)

    def frame(self, history=0):
        return _Q.Controller_frame(self, history)

    def add_listener(self, listener):
        """Registers listener; True when it was added.

        While registered, the listener is kept alive by the registration
        itself, so it cannot be freed while the controller may still call it;
        the registration ends when remove_listener returns or the controller
        ends (the listener then receives on_exit), and the listener is
        released then. Keep your own reference if you use it afterwards.
        """
        return _Q.Controller_add_listener(self, listener)

    def remove_listener(self, listener):
        """Unregisters listener; when this returns it receives no further event."""
        return _Q.Controller_remove_listener(self, listener)

    def enable_gesture(self, gesture_type, enable=True):
        return _Q.Controller_enable_gesture(self, gesture_type, enable)

    is_gesture_enabled = _method(_Q.Controller_is_gesture_enabled)
    is_service_connected = _method(_Q.Controller_is_service_connected)
    set_policy_flags = _method(_Q.Controller_set_policy_flags)
    set_policy = _method(_Q.Controller_set_policy)
    clear_policy = _method(_Q.Controller_clear_policy)
    is_policy_set = _method(_Q.Controller_is_policy_set)
    now = _method(_Q.Controller_now)

    is_connected = property(_Q.Controller_is_connected_get)
    has_focus = property(_Q.Controller_has_focus_get)
    policy_flags = property(_Q.Controller_policy_flags_get)
    config = property(_Q.Controller_config_get)
    images = property(_Q.Controller_images_get)
    located_screens = property(_Q.Controller_located_screens_get)
    devices = property(_Q.Controller_devices_get)
    tracked_quad = property(_Q.Controller_tracked_quad_get)
    bug_report = property(_Q.Controller_bug_report_get)


_Q.Controller_swigregister(Controller)

