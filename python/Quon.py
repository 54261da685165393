"""Quon: the Python face of the Quon hand-tracking library.

The classes here map Python classes, properties, operators and iteration onto
the flat functions of the extension module QuonPython. Each class registers
itself with its <Class>_swigregister function, so that module functions
returning objects of its type hand out instances of it.
"""

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

