#include "registry.h"

#include <cstring>

#include "proxy.h"

namespace quon::rt {
namespace {

const char kCapsuleName[] = "swig_runtime_data4.type_pointer_capsule";

// The registry found through the capsule, looked up once per process.
SwigModuleRegistry* g_shared_registry = nullptr;
bool g_shared_looked_up = false;

SwigModuleRegistry* shared_registry() {
  if (!g_shared_looked_up) {
    g_shared_looked_up = true;
    g_shared_registry = static_cast<SwigModuleRegistry*>(PyCapsule_Import(kCapsuleName, 0));
    if (PyErr_Occurred()) {
      PyErr_Clear();
      g_shared_registry = nullptr;
    }
  }
  return g_shared_registry;
}

// Releases the class bindings of the registry held by a dying capsule (at
// interpreter shutdown). The destroy callables are kept: objects that die
// later in the shutdown are still destroyed instead of being leaked.
void capsule_destructor(PyObject* capsule) {
  auto* registry = static_cast<SwigModuleRegistry*>(PyCapsule_GetPointer(capsule, kCapsuleName));
  if (registry) {
    for (unsigned i = 0; i < registry->count; ++i) {
      SwigTypeDescriptor* ty = registry->types[i];
      if (ty && ty->owns_binding == 1 && ty->binding) {
        SwigClassBinding* b = ty->binding;
        Py_CLEAR(b->new_callable);
        Py_CLEAR(b->new_args);
      }
    }
  }
  release_this_name();
}

void publish(SwigModuleRegistry& registry) {
  PyObject* capsule = PyCapsule_New(&registry, kCapsuleName, capsule_destructor);
  if (!capsule) {
    PyErr_Clear();
    return;
  }
  static PyMethodDef no_methods[] = {{nullptr, nullptr, 0, nullptr}};
  PyObject* module = Py_InitModule4("swig_runtime_data4", no_methods, nullptr, nullptr, 1013);
  if (!module) {
    PyErr_Clear();
    Py_DECREF(capsule);
    return;
  }
  if (PyModule_AddObject(module, "type_pointer_capsule", capsule) != 0) PyErr_Clear();
  g_shared_registry = &registry;
  g_shared_looked_up = true;
}

void push_cast(SwigTypeDescriptor* target, SwigCastEntry* entry) {
  entry->prev = nullptr;
  entry->next = target->casts;
  if (target->casts) target->casts->prev = entry;
  target->casts = entry;
}

// Compares two type names, ignoring blanks: 0 when equal, else the sign of
// the first differing character (a name that ends first is smaller).
int compare_alternative(const char* f1, const char* l1, const char* f2, const char* l2) {
  for (;;) {
    while (f1 != l1 && *f1 == ' ') ++f1;
    while (f2 != l2 && *f2 == ' ') ++f2;
    if (f1 == l1 || f2 == l2) break;
    if (*f1 != *f2) return *f1 > *f2 ? 1 : -1;
    ++f1;
    ++f2;
  }
  if (f1 == l1 && f2 == l2) return 0;
  return f1 == l1 ? -1 : 1;
}

}  // namespace

SwigTypeDescriptor* type_query_by_name(SwigModuleRegistry* start, SwigModuleRegistry* end,
                                       const char* name) {
  SwigModuleRegistry* r = start;
  do {
    if (r->count) {
      unsigned low = 0, high = r->count - 1;
      while (low <= high) {
        unsigned middle = (low + high) / 2;
        const char* middle_name = r->types[middle]->name;
        if (!middle_name) break;
        int c = std::strcmp(name, middle_name);
        if (c == 0) return r->types[middle];
        if (c < 0) {
          if (middle == 0) break;
          high = middle - 1;
        } else {
          low = middle + 1;
        }
      }
    }
    r = r->next;
  } while (r && r != end);
  return nullptr;
}

int type_compare(const char* display, const char* text) {
  const char* text_end = text + std::strlen(text);
  int result = 1;
  for (const char* alt = display; result != 0 && *alt;) {
    const char* alt_end = alt;
    while (*alt_end && *alt_end != '|') ++alt_end;
    result = compare_alternative(alt, alt_end, text, text_end);
    alt = *alt_end ? alt_end + 1 : alt_end;
  }
  return result;
}

int type_equivalent(const char* display, const char* text) { return type_compare(display, text) == 0; }

SwigTypeDescriptor* type_query(SwigModuleRegistry* start, SwigModuleRegistry* end, const char* text) {
  if (SwigTypeDescriptor* ty = type_query_by_name(start, end, text)) return ty;
  SwigModuleRegistry* r = start;
  do {
    for (unsigned i = 0; i < r->count; ++i) {
      SwigTypeDescriptor* ty = r->types[i];
      if (ty->display && type_equivalent(ty->display, text)) return ty;
    }
    r = r->next;
  } while (r && r != end);
  return nullptr;
}

SwigCastEntry* type_check(const char* source_name, SwigTypeDescriptor* target) {
  for (SwigCastEntry* entry = target->casts; entry; entry = entry->next) {
    if (std::strcmp(entry->source->name, source_name) == 0) {
      if (entry != target->casts) {
        // Move the hit to the front so that repeated conversions find it first.
        entry->prev->next = entry->next;
        if (entry->next) entry->next->prev = entry->prev;
        entry->next = target->casts;
        entry->prev = nullptr;
        target->casts->prev = entry;
        target->casts = entry;
      }
      return entry;
    }
  }
  return nullptr;
}

void* type_cast(SwigCastEntry* entry, void* address) {
  return entry && entry->converter ? entry->converter(address) : address;
}

const char* type_pretty_name(const SwigTypeDescriptor* ty) {
  if (!ty) return nullptr;
  if (!ty->display) return ty->name;
  const char* last = ty->display;
  for (const char* s = ty->display; *s; ++s)
    if (*s == '|') last = s + 1;
  return last;
}

void type_attach_binding(SwigTypeDescriptor* ty, SwigClassBinding* binding) {
  ty->binding = binding;
  ty->owns_binding = 1;
}

SwigClassBinding* binding_new(PyObject* cls) {
  auto* b = new SwigClassBinding{};
  Py_INCREF(cls);
  b->cls = cls;
  if (PyClass_Check(cls)) {
    Py_INCREF(cls);
    b->new_args = cls;
  } else {
    b->new_callable = PyObject_GetAttrString(cls, "__new__");
    if (b->new_callable) {
      b->new_args = PyTuple_Pack(1, cls);
    } else {
      PyErr_Clear();
      Py_INCREF(cls);
      b->new_args = cls;
    }
  }
  b->destroy = PyObject_GetAttrString(cls, "__swig_destroy__");
  if (b->destroy) {
    // A builtin taking its argument directly is called directly; anything
    // else is called with an argument tuple.
    b->destroy_takes_tuple =
        PyCFunction_Check(b->destroy) ? !(PyCFunction_GET_FLAGS(b->destroy) & METH_O) : 1;
  } else {
    PyErr_Clear();
    b->destroy_takes_tuple = 0;
  }
  return b;
}

void registry_initialise(SwigModuleRegistry& registry, SwigTypeDescriptor** own_types,
                         SwigCastEntry** own_casts) {
  bool first = false;
  if (!registry.next) {
    registry.initial_types = own_types;
    registry.initial_casts = own_casts;
    registry.next = &registry;
    first = true;
  }
  SwigModuleRegistry* found = shared_registry();
  if (!found) {
    publish(registry);
  } else {
    SwigModuleRegistry* r = found;
    do {
      if (r == &registry) return;  // already joined
      r = r->next;
    } while (r != found);
    registry.next = found->next;
    found->next = &registry;
  }
  if (!first) return;

  const bool shared = registry.next != &registry;
  for (unsigned i = 0; i < registry.count; ++i) {
    SwigTypeDescriptor* own = registry.initial_types[i];
    SwigTypeDescriptor* in_use = own;
    if (shared) {
      if (SwigTypeDescriptor* other = type_query_by_name(registry.next, &registry, own->name)) {
        in_use = other;
        if (own->binding) other->binding = own->binding;
      }
    }
    for (SwigCastEntry* entry = registry.initial_casts[i]; entry->source; ++entry) {
      SwigTypeDescriptor* source = nullptr;
      if (shared) source = type_query_by_name(registry.next, &registry, entry->source->name);
      if (source) {
        if (in_use == own) {
          entry->source = source;
          push_cast(in_use, entry);
        } else if (!type_check(source->name, in_use)) {
          push_cast(in_use, entry);
        }
      } else {
        push_cast(in_use, entry);
      }
    }
    registry.types[i] = in_use;
  }
  registry.types[registry.count] = nullptr;
}

}  // namespace quon::rt
