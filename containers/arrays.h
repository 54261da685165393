// The raw element blocks that new_byte_array and new_float_array allocate.
// Every live block is recorded with its size, so that the module can refuse
// an index or a copy that would run past its end.
#ifndef QUON_CONTAINERS_ARRAYS_H
#define QUON_CONTAINERS_ARRAYS_H

#include <cstddef>

#include "../runtime/toolkit.h"

namespace quon::arrays {

// True when `address` lies inside (or at the start of) a live block that this
// module allocated; `*bytes` then receives the bytes from `address` to the
// block's end. False for any other address, whose size nobody knows.
bool known_size(const void* address, std::size_t* bytes);

// Records a new block of `bytes` bytes at `start` (throws std::bad_alloc when
// the record cannot be made).
void remember_block(const void* start, std::size_t bytes);

// Forgets the block that starts exactly at `start`; false when no live block
// starts there (a view, a raw address, or a block already released).
bool forget_block(const void* start);

// Refuses (with ValueError naming `function` and both sizes) a buffer that
// is a known block shorter than `bytes`; any other buffer passes.
void check_size(const char* function, const void* buffer, std::size_t bytes);

// Copies `bytes` bytes from `source` into `buffer` after check_size. Call with
// the interpreter lock released.
void copy_into(const char* function, void* buffer, const void* source, std::size_t bytes);

// A buffer argument ('unsigned char *', 'float *', 'byteArray *', ...): None,
// and a view of a deleted array, are refused with the null-reference message
// unless Nullable.
template <class T, bool Nullable = false>
struct Buffer {
  using Slot = tk::PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) {
    int code = tk::load_pointer(obj, slot);
    if (!rt::ok(code)) return code;
    if (!slot.ptr && !Nullable) return rt::kNullReference;
    return code;
  }
  static bool test(PyObject* obj) { return tk::test_pointer<T>(obj); }
  static T* get(Slot& slot) { return slot.ptr; }
  static const char* name() { return rt::TypeOf<T>::name; }
  static const char* suffix() { return " *"; }
};

}  // namespace quon::arrays

#endif
