// The type registry with an embedded interpreter: initialisation, lookups by
// name and display string, cast lists and their move-to-front order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "module_types.h"
#include "proxy.h"

namespace {

using namespace quon::rt;

class Registry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Py_Initialize();
    module_registry_initialise();
  }

  static std::vector<std::string> sources(SwigTypeDescriptor* ty) {
    std::vector<std::string> names;
    for (SwigCastEntry* e = ty->casts; e; e = e->next) names.push_back(e->source->name);
    return names;
  }
};

TEST_F(Registry, DescriptorsAreSortedAndComplete) {
  ASSERT_EQ(swig_module.count, 49u);
  for (unsigned i = 1; i < swig_module.count; ++i)
    EXPECT_LT(std::strcmp(swig_module.types[i - 1]->name, swig_module.types[i]->name), 0) << i;
  EXPECT_EQ(swig_module.types[49], nullptr);
  EXPECT_STREQ(type_of(kController)->name, "_p_Quon__Controller");
  EXPECT_STREQ(type_of(kVoid)->name, "_p_void");
}

TEST_F(Registry, LooksUpByNameThenByDisplayString) {
  EXPECT_EQ(type_query(&swig_module, &swig_module, "_p_char"), type_of(kChar));
  EXPECT_EQ(type_query(&swig_module, &swig_module, "int_fast16_t*"), type_of(kInt));
  EXPECT_EQ(type_query(&swig_module, &swig_module, "uint8_t *"), type_of(kUnsignedChar));
  EXPECT_EQ(type_query(&swig_module, &swig_module, "std::string *"), nullptr);
  EXPECT_EQ(type_query_by_name(&swig_module, &swig_module, "_p_Quon__Zzz"), nullptr);
  EXPECT_EQ(type_query_by_name(&swig_module, &swig_module, "_p_Quon__Arm"), type_of(kArm));
  EXPECT_EQ(type_query_by_name(&swig_module, &swig_module, "_p_void"), type_of(kVoid));
  EXPECT_EQ(type_query_by_name(&swig_module, &swig_module, "_p_A"), nullptr);  // before the first
}

TEST_F(Registry, ComparesDisplayAlternatives) {
  EXPECT_EQ(type_compare("int *|long *", "long*"), 0);
  EXPECT_NE(type_compare("int *|long *", "short *"), 0);
  EXPECT_TRUE(type_equivalent("a b", "ab"));
  EXPECT_FALSE(type_equivalent("ab", "abc"));
  EXPECT_FALSE(type_equivalent("abc", "ab"));
  EXPECT_FALSE(type_equivalent("", "x"));
}

TEST_F(Registry, PrettyNames) {
  EXPECT_STREQ(type_pretty_name(type_of(kInt)), "int_fast16_t *");
  EXPECT_STREQ(type_pretty_name(type_of(kFrame)), "Quon::Frame *");
  EXPECT_EQ(type_pretty_name(nullptr), nullptr);
  SwigTypeDescriptor bare{"_p_bare", nullptr, nullptr, nullptr, 0};
  EXPECT_STREQ(type_pretty_name(&bare), "_p_bare");
}

TEST_F(Registry, CastChecksMoveTheHitToTheFront) {
  SwigTypeDescriptor* pointable = type_of(kPointable);
  ASSERT_NE(type_check("_p_Quon__Tool", pointable), nullptr);
  EXPECT_EQ(sources(pointable).front(), "_p_Quon__Tool");
  ASSERT_NE(type_check("_p_Quon__Finger", pointable), nullptr);
  EXPECT_EQ(sources(pointable).front(), "_p_Quon__Finger");
  EXPECT_EQ(sources(pointable).size(), 3u);
  EXPECT_EQ(pointable->casts->prev, nullptr);
  for (SwigCastEntry* e = pointable->casts; e && e->next; e = e->next) EXPECT_EQ(e->next->prev, e);
  EXPECT_EQ(type_check("_p_Quon__Hand", pointable), nullptr);
  int address = 0;
  EXPECT_EQ(type_cast(type_check("_p_Quon__Finger", pointable), &address), &address);
  EXPECT_EQ(type_cast(nullptr, &address), &address);
}

TEST_F(Registry, SecondInitialisationChangesNothing) {
  std::vector<SwigTypeDescriptor*> before(swig_module.types, swig_module.types + 49);
  std::vector<std::string> casts_before = sources(type_of(kInterface));
  module_registry_initialise();
  EXPECT_EQ(before, std::vector<SwigTypeDescriptor*>(swig_module.types, swig_module.types + 49));
  EXPECT_EQ(casts_before, sources(type_of(kInterface)));
  EXPECT_EQ(casts_before.size(), 31u);
}

TEST_F(Registry, PublishesTheCapsule) {
  void* shared = PyCapsule_Import("swig_runtime_data4.type_pointer_capsule", 0);
  EXPECT_EQ(shared, &swig_module);
  PyErr_Clear();
}

}  // namespace
