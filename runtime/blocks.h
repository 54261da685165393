// The class blocks of the method table, one function per class, and the
// variables each family puts under cvar. module.cpp assembles them in order.
#ifndef QUON_RUNTIME_BLOCKS_H
#define QUON_RUNTIME_BLOCKS_H

#include <vector>

#include "toolkit.h"

namespace quon::blocks {

using tk::Block;
using Variables = std::vector<tk::VariableDef>;

Block iterator();
Block byte_array();
Block float_array();
Block vector();
Block matrix();
Block interface();
Block pointable();
Block arm();
Block bone();
Block finger();
Block tool();
Block hand();
Block gesture();
Block swipe_gesture();
Block circle_gesture();
Block screen_tap_gesture();
Block key_tap_gesture();
Block screen();
Block device();
Block image();
Block mask();
Block pointable_list();
Block finger_list();
Block tool_list();
Block hand_list();
Block gesture_list();
Block screen_list();
Block device_list();
Block image_list();
Block tracked_quad();
Block mask_list();
Block interaction_box();
Block frame();
Block bug_report();
Block config();
Block controller();
Block listener();

// cvar variables, in installation order within each group.
Variables geometry_numbers();  // PI, DEG_TO_RAD, RAD_TO_DEG, EPSILON
Variables fixed_vectors();     // Vector_zero ... Vector_down
Variables fixed_matrices();    // Matrix_identity

}  // namespace quon::blocks

#endif
