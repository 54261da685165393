#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block matrix() {
  return {
      registration<"Matrix_swigregister", Quon::Matrix>,
  };
}

Variables fixed_matrices() { return {}; }

}  // namespace quon::blocks
