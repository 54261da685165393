#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block interface() {
  return {
      registration<"Interface_swigregister", Quon::Interface>,
  };
}

}  // namespace quon::blocks
