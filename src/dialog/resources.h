// Everything the front ends build this program's windows from.
#pragma once

#include "ui/resource_table.h"

namespace vs {

const DialogTemplate& aboutTemplate();
const DialogTemplate& starterTemplate();

// The templates, the About string, the icon and the bitmaps of res/VornakStarter.rc.
const ResourceTable& starterResources();

}  // namespace vs
