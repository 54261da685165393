#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block controller() {
  return {
      registration<"Controller_swigregister", Quon::Controller>,
  };
}

}  // namespace quon::blocks
