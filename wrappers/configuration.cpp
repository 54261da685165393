#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block bug_report() {
  return {
      registration<"BugReport_swigregister", Quon::BugReport>,
  };
}

Block config() {
  return {
      registration<"Config_swigregister", Quon::Config>,
  };
}

}  // namespace quon::blocks
