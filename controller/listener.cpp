#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block listener() {
  return {
      registration<"Listener_swigregister", Quon::Listener>,
  };
}

}  // namespace quon::blocks
