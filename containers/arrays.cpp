#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block byte_array() {
  return {
      registration<"byte_array_swigregister", byteArray>,
  };
}

Block float_array() {
  return {
      registration<"float_array_swigregister", floatArray>,
  };
}

}  // namespace quon::blocks
