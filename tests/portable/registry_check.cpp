// Registry lookups without an interpreter: by name (binary search across a
// ring of registries), by display string (alternatives and blanks), cast
// lists (move-to-front, converters) and pretty names. Built by every
// toolchain; exits non-zero and names the failed check on a fault.
#include <cstdio>
#include <cstring>

#include "registry.h"

namespace {

int failures = 0;

#define CHECK(condition)                                                   \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::printf("FAILED %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                          \
    }                                                                      \
  } while (0)

void* shift(void* address) { return static_cast<char*>(address) + 8; }

}  // namespace

int main() {
  using namespace quon::rt;

  SwigTypeDescriptor base{"_p_Base", "Base *", nullptr, nullptr, 0};
  SwigTypeDescriptor derived{"_p_Derived", "Derived *", nullptr, nullptr, 0};
  SwigTypeDescriptor other{"_p_Other", "Other *", nullptr, nullptr, 0};
  SwigTypeDescriptor ints{"_p_int", "intptr_t *|int *|int32_t *", nullptr, nullptr, 0};
  SwigTypeDescriptor longs{"_p_long_long", "int64_t *|long long *", nullptr, nullptr, 0};
  SwigTypeDescriptor plain{"_p_plain", nullptr, nullptr, nullptr, 0};

  // Two registries in a ring, each sorted by name.
  SwigModuleRegistry first{};
  SwigModuleRegistry second{};
  first.types[0] = &base;
  first.types[1] = &derived;
  first.types[2] = &ints;
  first.count = 3;
  second.types[0] = &longs;
  second.types[1] = &other;
  second.types[2] = &plain;
  second.count = 3;
  first.next = &second;
  second.next = &first;

  CHECK(type_query_by_name(&first, &first, "_p_Base") == &base);
  CHECK(type_query_by_name(&first, &first, "_p_int") == &ints);
  CHECK(type_query_by_name(&first, &first, "_p_Other") == &other);
  CHECK(type_query_by_name(&first, &first, "_p_plain") == &plain);
  CHECK(type_query_by_name(&first, &first, "_p_Absent") == nullptr);
  CHECK(type_query_by_name(&first, &first, "_p_A") == nullptr);   // before every name
  CHECK(type_query_by_name(&first, &first, "_p_zzz") == nullptr); // after every name
  // The search stops at `end`: only the first registry.
  CHECK(type_query_by_name(&first, &second, "_p_Other") == nullptr);

  // Display strings: any alternative matches, blanks are ignored.
  CHECK(type_query(&first, &first, "int32_t *") == &ints);
  CHECK(type_query(&first, &first, "int*") == &ints);
  CHECK(type_query(&first, &first, "long long *") == &longs);
  CHECK(type_query(&first, &first, "Derived  *") == &derived);
  CHECK(type_query(&first, &first, "_p_Derived") == &derived);
  CHECK(type_query(&first, &first, "unsigned int *") == nullptr);
  CHECK(type_compare("int *", "int *") == 0);
  CHECK(type_compare("a *", "b *") < 0);
  CHECK(type_compare("b *", "a *") > 0);
  CHECK(type_compare("int", "int *") < 0);  // a name that ends first is smaller
  CHECK(type_equivalent("x *|int *", "int*"));
  CHECK(!type_equivalent("x *|int *", "int **"));

  // Cast lists: a hit moves to the front; converters adjust the address.
  SwigCastEntry from_derived{&derived, shift, nullptr, nullptr};
  SwigCastEntry from_other{&other, nullptr, nullptr, nullptr};
  from_other.next = &from_derived;
  from_derived.prev = &from_other;
  base.casts = &from_other;
  CHECK(type_check("_p_Derived", &base) == &from_derived);
  CHECK(base.casts == &from_derived && from_derived.next == &from_other &&
        from_other.prev == &from_derived && from_derived.prev == nullptr &&
        from_other.next == nullptr);
  CHECK(type_check("_p_Other", &base) == &from_other);
  CHECK(base.casts == &from_other && from_other.next == &from_derived &&
        from_derived.next == nullptr);
  CHECK(type_check("_p_Plain", &base) == nullptr);
  char block[16];
  CHECK(type_cast(&from_derived, block) == block + 8);
  CHECK(type_cast(&from_other, block) == block);
  CHECK(type_cast(nullptr, block) == block);

  // The pretty name is the last display alternative, or the name.
  CHECK(std::strcmp(type_pretty_name(&ints), "int32_t *") == 0);
  CHECK(std::strcmp(type_pretty_name(&base), "Base *") == 0);
  CHECK(std::strcmp(type_pretty_name(&plain), "_p_plain") == 0);
  CHECK(type_pretty_name(nullptr) == nullptr);

  std::printf("registry_check: %s\n", failures ? "FAILED" : "ok");
  return failures ? 1 : 0;
}
