// Everything the front ends build this program's windows from.
#pragma once

#include "ui/resource_table.h"

namespace vs {

const DialogTemplate& aboutTemplate();
const DialogTemplate& starterTemplate();

// Templates 100 and 102, string 101, icon 128 and bitmaps 137 and 138.
const ResourceTable& starterResources();

}  // namespace vs
