// The application object: runs the launcher's dialog modally and ends.
#pragma once

#include "dialog/services.h"

namespace vs {

class StarterApp {
 public:
  StarterApp() = default;
  virtual ~StarterApp();
  // Always false: the program ends when the dialog does, with no message loop of its own.
  bool InitInstance(const Services& services);
};

// The one application object, constructed before main runs.
extern StarterApp theApp;

}  // namespace vs
