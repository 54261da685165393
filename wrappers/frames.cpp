#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block interaction_box() {
  return {
      registration<"InteractionBox_swigregister", Quon::InteractionBox>,
  };
}

Block frame() {
  return {
      registration<"Frame_swigregister", Quon::Frame>,
  };
}

}  // namespace quon::blocks
