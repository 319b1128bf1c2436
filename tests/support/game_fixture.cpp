#include "support/game_fixture.h"

namespace vs::test {

GameFixture::GameFixture() : location((root / "bin" / "VornakStarter").string()) {
  std::filesystem::create_directories(bin());
  std::filesystem::create_directories(parking());
}

GameFixture::~GameFixture() {
  if (dialog_)
    dialog_->attachControls(nullptr);
}

void GameFixture::writeMod(const std::string& name, const std::string& lines) {
  writeFile(bin() / name, "[info]\n" + lines);
}

StarterDialog& GameFixture::dialog() {
  if (!dialog_) {
    dialog_ = std::make_unique<StarterDialog>(Services{host, files, processes, settings, location});
  }
  return *dialog_;
}

HeadlessWindow& GameFixture::open() {
  window_ = host.open(dialog());
  return *window_;
}

}  // namespace vs::test
