#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block screen() {
  return {
      registration<"Screen_swigregister", Quon::Screen>,
  };
}

Block device() {
  return {
      registration<"Device_swigregister", Quon::Device>,
  };
}

}  // namespace quon::blocks
