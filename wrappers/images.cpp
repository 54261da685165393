#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block image() {
  return {
      registration<"Image_swigregister", Quon::Image>,
  };
}

Block mask() {
  return {
      registration<"Mask_swigregister", Quon::Mask>,
  };
}

Block tracked_quad() {
  return {
      registration<"TrackedQuad_swigregister", Quon::TrackedQuad>,
  };
}

}  // namespace quon::blocks
