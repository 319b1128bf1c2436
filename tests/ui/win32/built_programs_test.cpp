// The manifest in the built programs, read back from their resources: the
// 64-bit one beside the tests and the 32-bit release program named by
// VS_RELEASE_EXE, which cannot run here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "support/win32_game.h"

namespace vs::test {
namespace {

std::string builtProgram() {
  return (programDirectory().parent_path() / "VornakStarter.EXE").string();
}

// The release program is built apart; the Win32 stage names it.
std::string releaseProgram() {
  const char* path = std::getenv("VS_RELEASE_EXE");
  return path == nullptr ? std::string() : std::string(path);
}

// The manifest resource without its comments, which may name what is absent.
std::string manifestOf(const std::string& program) {
  HMODULE module = ::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(module, nullptr) << program;
  if (module == nullptr)
    return {};
  std::string text;
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  if (found != nullptr) {
    const auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
    text.assign(data, ::SizeofResource(module, found));
  }
  ::FreeLibrary(module);
  return std::regex_replace(text, std::regex("<!--[\\s\\S]*?-->"), "");
}

void expectTheManifest(const std::string& program) {
  SCOPED_TRACE(program);
  const std::string manifest = manifestOf(program);
  ASSERT_FALSE(manifest.empty());
  auto has = [&](const char* pattern) { return std::regex_search(manifest, std::regex(pattern)); };
  EXPECT_TRUE(
      has("<dependentAssembly>\\s*<assemblyIdentity[^>]*"
          "name=\"Microsoft.Windows.Common-Controls\"[^>]*version=\"6.0.0.0\""));
  EXPECT_TRUE(has("<dpiAware[^>]*>true</dpiAware>"));
  for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a",   // 7
                         "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",   // 8
                         "1f676c76-80e1-4239-95bb-83d0f6d0da78",   // 8.1
                         "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})  // 10 and 11
    EXPECT_TRUE(has((std::string("<supportedOS Id=\"\\{") + os + "\\}\"/>").c_str())) << os;
  EXPECT_FALSE(has("activeCodePage"));
  EXPECT_FALSE(has("requestedExecutionLevel"));
  EXPECT_FALSE(has("trustInfo"));
}

TEST(BuiltPrograms, CarryTheManifest) {
  expectTheManifest(builtProgram());
  if (releaseProgram().empty())
    GTEST_SKIP() << "VS_RELEASE_EXE not set: the release program was not checked";
  expectTheManifest(releaseProgram());
}

// The tests carry the same resources: the system read the manifest, made
// the process DPI aware and sends it to common controls 6.
TEST(BuiltPrograms, TheManifestMakesTheProcessDpiAwareWithCommonControlsSix) {
  EXPECT_TRUE(::IsProcessDPIAware());
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  EXPECT_TRUE(::FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         "comctl32.dll", &found));
}

}  // namespace
}  // namespace vs::test
