// Type descriptors, cast lists and the registry that modules built on this
// runtime share through one capsule.
#ifndef QUON_RUNTIME_REGISTRY_H
#define QUON_RUNTIME_REGISTRY_H

#include "python.h"

struct SwigTypeDescriptor;

// What <Class>_swigregister attaches to a descriptor: the Python class and how
// to make and destroy its instances.
struct SwigClassBinding {
  PyObject* cls;
  PyObject* new_callable;  // the class's __new__, or null for a classic class
  PyObject* new_args;      // (cls,) when new_callable is set, else cls
  PyObject* destroy;       // the class's __swig_destroy__, or null
  int destroy_takes_tuple;
};

// One type whose pointers may stand where the owning descriptor's type is expected.
struct SwigCastEntry {
  SwigTypeDescriptor* source;
  void* (*converter)(void*);
  SwigCastEntry* next;
  SwigCastEntry* prev;
};

struct SwigTypeDescriptor {
  const char* name;     // "_p_Quon__Frame"; registries are sorted by it
  const char* display;  // "Quon::Frame *"; equivalent forms separated by '|'
  SwigCastEntry* casts;
  SwigClassBinding* binding;
  int owns_binding;
};

constexpr unsigned kTypeCount = 49;

struct SwigModuleRegistry {
  SwigTypeDescriptor* types[kTypeCount + 1];
  unsigned count;
  SwigModuleRegistry* next;
  SwigTypeDescriptor** initial_types;
  SwigCastEntry** initial_casts;
};

namespace quon::rt {

SwigTypeDescriptor* type_query_by_name(SwigModuleRegistry* start, SwigModuleRegistry* end,
                                       const char* name);
SwigTypeDescriptor* type_query(SwigModuleRegistry* start, SwigModuleRegistry* end,
                               const char* text);
int type_compare(const char* display, const char* text);
int type_equivalent(const char* display, const char* text);
SwigCastEntry* type_check(const char* source_name, SwigTypeDescriptor* target);
void* type_cast(SwigCastEntry* entry, void* address);
const char* type_pretty_name(const SwigTypeDescriptor* descriptor);
void type_attach_binding(SwigTypeDescriptor* descriptor, SwigClassBinding* binding);

// Joins the registry published in this interpreter, or publishes this one.
void registry_initialise(SwigModuleRegistry& registry, SwigTypeDescriptor** own_types,
                         SwigCastEntry** own_casts);

// Makes the binding record for a Python class (the work of <Class>_swigregister).
SwigClassBinding* binding_new(PyObject* cls);

}  // namespace quon::rt

#endif
