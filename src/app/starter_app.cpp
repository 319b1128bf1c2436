#include "app/starter_app.h"

#include "dialog/starter_dialog.h"

namespace vs {

StarterApp theApp;

StarterApp::~StarterApp() = default;

bool StarterApp::InitInstance(const Services& services) {
  StarterDialog dialog(services);
  dialog.DoModal();
  return false;
}

}  // namespace vs
