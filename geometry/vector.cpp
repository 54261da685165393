#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block vector() {
  return {
      registration<"Vector_swigregister", Quon::Vector>,
  };
}

Variables geometry_numbers() { return {}; }
Variables fixed_vectors() { return {}; }

}  // namespace quon::blocks
