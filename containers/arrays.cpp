// byte_array and float_array: raw element blocks passed where the library
// expects an 'unsigned char *' or 'float *' buffer. Blocks remember their
// size in a process-wide record, so indexing and copying stay inside them.
#include "arrays.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <new>

#include "../runtime/blocks.h"

namespace quon::arrays {
namespace {

// Start address -> size in bytes of every live block. Blocks are made and
// released with the interpreter lock released, so the record has its own lock.
std::mutex g_blocks_lock;
std::map<std::uintptr_t, std::size_t>& blocks() {
  static auto* record = new std::map<std::uintptr_t, std::size_t>();  // lives to process end
  return *record;
}

std::uintptr_t as_number(const void* address) { return reinterpret_cast<std::uintptr_t>(address); }

}  // namespace

bool known_size(const void* address, std::size_t* bytes) {
  if (!address) return false;
  const std::uintptr_t where = as_number(address);
  std::lock_guard<std::mutex> hold(g_blocks_lock);
  auto after = blocks().upper_bound(where);
  if (after == blocks().begin()) return false;
  const auto& [start, size] = *std::prev(after);
  const std::uintptr_t offset = where - start;
  if (offset > 0 && offset >= size) return false;
  if (bytes) *bytes = size - offset;
  return true;
}

void remember_block(const void* start, std::size_t bytes) {
  std::lock_guard<std::mutex> hold(g_blocks_lock);
  blocks()[as_number(start)] = bytes;
}

bool forget_block(const void* start) {
  std::lock_guard<std::mutex> hold(g_blocks_lock);
  return blocks().erase(as_number(start)) == 1;
}

void check_size(const char* function, const void* buffer, std::size_t bytes) {
  std::size_t available = 0;
  if (known_size(buffer, &available) && available < bytes)
    tk::raise_error(PyExc_ValueError, "in method '%s', the buffer holds %llu bytes but %llu are needed",
                    function, static_cast<unsigned long long>(available),
                    static_cast<unsigned long long>(bytes));
}

void copy_into(const char* function, void* buffer, const void* source, std::size_t bytes) {
  check_size(function, buffer, bytes);
  if (bytes > 0 && source) std::memcpy(buffer, source, bytes);
}

}  // namespace quon::arrays

namespace quon::blocks {
namespace {

using namespace tk;

// A newly allocated block, handed to Python in the new-object form.
template <class Array>
struct NewBlock {
  Array* ptr;
};

}  // namespace
}  // namespace quon::blocks

template <class Array>
struct quon::tk::IsPointerResult<quon::blocks::NewBlock<Array>> : std::true_type {};

namespace quon::blocks {
namespace {
using arrays::Buffer;

// Element type and the largest count that can be asked for: a float block of
// 2**30 elements or more would not fit in 32 bits of bytes.
template <class Array> struct ElementOf;
template <> struct ElementOf<byteArray> {
  using type = unsigned char;
  static constexpr std::size_t limit = SIZE_MAX;
};
template <> struct ElementOf<floatArray> {
  using type = float;
  static constexpr std::size_t limit = std::size_t{1} << 30;
};
template <class Array> using Element = typename ElementOf<Array>::type;

template <class Array>
PyObject* pointer_result(NewBlock<Array> r, SwigPyObject*) {
  PyObject* proxy = proxy_new(r.ptr, descriptor<Array>(), kOwn);
  if (!proxy) {
    arrays::forget_block(r.ptr);
    delete[] reinterpret_cast<Element<Array>*>(r.ptr);
    return nullptr;
  }
  return shadow_or_bare(proxy, descriptor<Array>(), kNewObject);
}

template <Name N, class Array>
NewBlock<Array> allocate(std::size_t count) {
  Element<Array>* block = nullptr;
  if (count < ElementOf<Array>::limit) block = new (std::nothrow) Element<Array>[count];
  if (block) {
    try {
      arrays::remember_block(block, count * sizeof(Element<Array>));
      return {reinterpret_cast<Array*>(block)};
    } catch (const std::bad_alloc&) {
      delete[] block;
    }
  }
  raise_error(PyExc_MemoryError, "in method '%s', cannot allocate %llu elements", N.value,
              static_cast<unsigned long long>(count));
}

// Refuses an index at or past the end of a block whose size is known.
template <Name N, class Array>
void check_index(Array* array, std::size_t index) {
  std::size_t bytes;
  if (!arrays::known_size(array, &bytes)) return;
  const std::size_t count = bytes / sizeof(Element<Array>);
  if (index >= count)
    raise_error(PyExc_IndexError,
                "in method '%s', index %llu is out of range for an array of %llu elements", N.value,
                static_cast<unsigned long long>(index), static_cast<unsigned long long>(count));
}

template <Name N, class Array>
Element<Array> get_item(Array* array, std::size_t index) {
  check_index<N>(array, index);
  return reinterpret_cast<Element<Array>*>(array)[index];
}

template <Name N, class Array>
void set_item(Array* array, std::size_t index, Element<Array> value) {
  check_index<N>(array, index);
  reinterpret_cast<Element<Array>*>(array)[index] = value;
}

template <class Array>
Alias<Element<Array>> cast(Array* array) {
  return {reinterpret_cast<Element<Array>*>(array)};
}

template <class Array>
Alias<Array> from_pointer(Element<Array>* address) {
  return {reinterpret_cast<Array*>(address)};
}

// delete_byte_array / delete_float_array free a block only when the address
// is the start of a live block, so nothing is freed twice.
template <class Array>
struct BlockDelete {
  static bool release(Array* array) {
    if (!arrays::forget_block(array)) return false;
    delete[] reinterpret_cast<Element<Array>*>(array);
    return true;
  }
};

}  // namespace

Block byte_array() {
  using A = byteArray;
  return {
      fn<"new_byte_array", &allocate<"new_byte_array", A>, SizeT>,
      dtor<"delete_byte_array", A, BlockDelete<A>>,
      fn<"byte_array___getitem__", &get_item<"byte_array___getitem__", A>, Buffer<A>, SizeT>,
      fn<"byte_array___setitem__", &set_item<"byte_array___setitem__", A>, Buffer<A>, SizeT, UChar>,
      fn<"byte_array_cast", &cast<A>, Buffer<A>>,
      fn<"byte_array_frompointer", &from_pointer<A>, Buffer<unsigned char, true>>,
      registration<"byte_array_swigregister", A>,
  };
}

Block float_array() {
  using A = floatArray;
  return {
      fn<"new_float_array", &allocate<"new_float_array", A>, SizeT>,
      dtor<"delete_float_array", A, BlockDelete<A>>,
      fn<"float_array___getitem__", &get_item<"float_array___getitem__", A>, Buffer<A>, SizeT>,
      fn<"float_array___setitem__", &set_item<"float_array___setitem__", A>, Buffer<A>, SizeT, Float>,
      fn<"float_array_cast", &cast<A>, Buffer<A>>,
      fn<"float_array_frompointer", &from_pointer<A>, Buffer<float, true>>,
      registration<"float_array_swigregister", A>,
  };
}

}  // namespace quon::blocks
