// The module entry point: the method table, the registry, cvar, the
// variables and constants, and the interpreter's thread support.
#include <initializer_list>

#include "Quon.h"
#include "blocks.h"
#include "varlink.h"

namespace {

using namespace quon;
using tk::ConstantDef;
using tk::VariableDef;
using tk::invalid_instance;
using tk::variable;

std::vector<PyMethodDef> build_method_table() {
  const auto class_blocks = {
      &blocks::iterator,        &blocks::byte_array,         &blocks::float_array,
      &blocks::vector,          &blocks::matrix,             &blocks::interface,
      &blocks::pointable,       &blocks::arm,                &blocks::bone,
      &blocks::finger,          &blocks::tool,               &blocks::hand,
      &blocks::gesture,         &blocks::swipe_gesture,      &blocks::circle_gesture,
      &blocks::screen_tap_gesture, &blocks::key_tap_gesture, &blocks::screen,
      &blocks::device,          &blocks::image,              &blocks::mask,
      &blocks::pointable_list,  &blocks::finger_list,        &blocks::tool_list,
      &blocks::hand_list,       &blocks::gesture_list,       &blocks::screen_list,
      &blocks::device_list,     &blocks::image_list,         &blocks::tracked_quad,
      &blocks::mask_list,       &blocks::interaction_box,    &blocks::frame,
      &blocks::bug_report,      &blocks::config,             &blocks::controller,
      &blocks::listener,
  };
  std::vector<PyMethodDef> table;
  table.reserve(517);
  // Entry 1 takes its argument directly and makes nothing.
  table.push_back({"SWIG_PyInstanceMethod_New",
                   [](PyObject*, PyObject*) -> PyObject* { return nullptr; }, METH_O, nullptr});
  for (auto block : class_blocks) {
    for (const PyMethodDef& def : block()) table.push_back(def);
  }
  table.push_back({nullptr, nullptr, 0, nullptr});
  return table;
}

void add_variables(PyObject* link, const std::vector<VariableDef>& variables) {
  for (const VariableDef& v : variables) rt::varlink_add(link, v.name, v.get, v.set);
}

void add_constants(PyObject* dict, std::initializer_list<ConstantDef> constants) {
  for (const ConstantDef& c : constants) {
    PyObject* value = PyInt_FromLong(c.value);
    PyDict_SetItemString(dict, c.name, value);
    Py_XDECREF(value);
  }
}

// The module's constants are the library's enumeration values.
static_assert(Quon::Gesture::TYPE_KEY_TAP == 6 && Quon::Gesture::STATE_STOP == 3);
static_assert(Quon::Config::TYPE_STRING == 8 && Quon::Controller::POLICY_OPTIMIZE_HMD == 4);
static_assert(Quon::Finger::TYPE_PINKY == 4 && Quon::Bone::TYPE_DISTAL == 3);
static_assert(Quon::Device::TYPE_KEYBOARD == 3 && Quon::Image::INFRARED == 0);
static_assert(Quon::Pointable::ZONE_TOUCHING == 2 && Quon::Finger::JOINT_TIP == 3);

}  // namespace

extern "C" QUON_MODULE_EXPORT void initQuonPython(void) {
  static std::vector<PyMethodDef> table = build_method_table();
  PyObject* module = Py_InitModule4("QuonPython", table.data(), nullptr, nullptr, 1013);
  if (!module) return;
  PyObject* dict = PyModule_GetDict(module);

  rt::module_registry_initialise();

  PyObject* link = rt::varlink_get();
  PyDict_SetItemString(dict, "cvar", link);

  add_variables(link, blocks::geometry_numbers());
  add_variables(link, blocks::fixed_vectors());
  add_variables(link, blocks::fixed_matrices());
  add_constants(dict, {{"Pointable_ZONE_NONE", 0}, {"Pointable_ZONE_HOVERING", 1},
                       {"Pointable_ZONE_TOUCHING", 2}});
  add_variables(link, {variable<"Pointable_invalid", &invalid_instance<Quon::Pointable>>,
                       variable<"Arm_invalid", &invalid_instance<Quon::Arm>>});
  add_constants(dict, {{"Bone_TYPE_METACARPAL", 0}, {"Bone_TYPE_PROXIMAL", 1},
                       {"Bone_TYPE_INTERMEDIATE", 2}, {"Bone_TYPE_DISTAL", 3}});
  add_variables(link, {variable<"Bone_invalid", &invalid_instance<Quon::Bone>>});
  add_constants(dict, {{"Finger_JOINT_MCP", 0}, {"Finger_JOINT_PIP", 1}, {"Finger_JOINT_DIP", 2},
                       {"Finger_JOINT_TIP", 3}});
  add_constants(dict, {{"Finger_TYPE_THUMB", 0}, {"Finger_TYPE_INDEX", 1},
                       {"Finger_TYPE_MIDDLE", 2}, {"Finger_TYPE_RING", 3},
                       {"Finger_TYPE_PINKY", 4}});
  add_variables(link, {variable<"Finger_invalid", &invalid_instance<Quon::Finger>>,
                       variable<"Tool_invalid", &invalid_instance<Quon::Tool>>,
                       variable<"Hand_invalid", &invalid_instance<Quon::Hand>>});
  add_constants(dict, {{"Gesture_TYPE_INVALID", -1}, {"Gesture_TYPE_SWIPE", 1},
                       {"Gesture_TYPE_CIRCLE", 4}, {"Gesture_TYPE_SCREEN_TAP", 5},
                       {"Gesture_TYPE_KEY_TAP", 6}});
  add_constants(dict, {{"Gesture_STATE_INVALID", -1}, {"Gesture_STATE_START", 1},
                       {"Gesture_STATE_UPDATE", 2}, {"Gesture_STATE_STOP", 3}});
  add_variables(link, {variable<"Gesture_invalid", &invalid_instance<Quon::Gesture>>,
                       variable<"Screen_invalid", &invalid_instance<Quon::Screen>>});
  add_constants(dict, {{"Device_TYPE_PERIPHERAL", 1}, {"Device_TYPE_LAPTOP", 2},
                       {"Device_TYPE_KEYBOARD", 3}});
  add_variables(link, {variable<"Device_invalid", &invalid_instance<Quon::Device>>});
  add_constants(dict, {{"Image_INFRARED", 0}});
  add_variables(link, {variable<"Image_invalid", &invalid_instance<Quon::Image>>,
                       variable<"TrackedQuad_invalid", &invalid_instance<Quon::TrackedQuad>>,
                       variable<"InteractionBox_invalid", &invalid_instance<Quon::InteractionBox>>,
                       variable<"Frame_invalid", &invalid_instance<Quon::Frame>>});
  add_constants(dict, {{"Config_TYPE_UNKNOWN", 0}, {"Config_TYPE_BOOLEAN", 1},
                       {"Config_TYPE_INT32", 2}, {"Config_TYPE_FLOAT", 6},
                       {"Config_TYPE_STRING", 8}});
  add_constants(dict, {{"Controller_POLICY_DEFAULT", 0}, {"Controller_POLICY_BACKGROUND_FRAMES", 1},
                       {"Controller_POLICY_IMAGES", 2}, {"Controller_POLICY_OPTIMIZE_HMD", 4}});

  PyEval_InitThreads();
}
