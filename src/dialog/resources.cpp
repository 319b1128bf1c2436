// The table itself (starterResources) is made from res/VornakStarter.rc at
// build time.
#include "dialog/resources.h"

#include "dialog/control_ids.h"

namespace vs {

const DialogTemplate& aboutTemplate() {
  return *starterResources().findTemplate(IDD_ABOUTBOX);
}

const DialogTemplate& starterTemplate() {
  return *starterResources().findTemplate(IDD_STARTER);
}

}  // namespace vs
