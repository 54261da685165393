#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block hand() {
  return {
      registration<"Hand_swigregister", Quon::Hand>,
  };
}

}  // namespace quon::blocks
