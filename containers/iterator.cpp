#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block iterator() {
  return {
      registration<"SwigPyIterator_swigregister", swig::SwigPyIterator>,
  };
}

}  // namespace quon::blocks
