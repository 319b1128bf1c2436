// The manifest in the built programs, read back from their resources, and the
// release program (the 32-bit VornakStarter.EXE named by VS_RELEASE_EXE) read
// as a file: a 32-bit GUI program that needs no DLL beside it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

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

// The few header fields that decide where a program runs and what it needs.
struct PeFacts {
  unsigned machine = 0, magic = 0, subsystem = 0;
  std::set<std::string> imports;  // lower case
};

PeFacts readPe(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u16 = [&](std::size_t at) {
    return at + 2 <= file.size()
               ? static_cast<unsigned>(static_cast<std::uint8_t>(file[at]) |
                                       static_cast<std::uint8_t>(file[at + 1]) << 8)
               : 0u;
  };
  auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  PeFacts facts;
  const std::size_t pe = u32(0x3C);
  if (file.compare(0, 2, "MZ") != 0 || file.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
    return facts;
  const std::size_t header = pe + 4, optional = header + 20;
  facts.machine = u16(header);
  facts.magic = u16(optional);
  facts.subsystem = u16(optional + 68);
  const std::size_t directories = optional + (facts.magic == 0x20B ? 112 : 96);
  const unsigned importRva = u32(directories + 8);
  const std::size_t sections = optional + u16(header + 16);
  auto fileOffset = [&](unsigned rva) -> std::size_t {
    for (unsigned i = 0; i < u16(header + 2); ++i) {
      const std::size_t s = sections + 40 * i;
      const unsigned start = u32(s + 12), size = std::max(u32(s + 8), u32(s + 16));
      if (rva >= start && rva < start + size)
        return u32(s + 20) + (rva - start);
    }
    return file.size();
  };
  for (std::size_t at = fileOffset(importRva); at + 20 <= file.size() && u32(at + 12) != 0;
       at += 20) {
    const std::size_t name = fileOffset(u32(at + 12));
    std::string dll = name < file.size() ? file.c_str() + name : "";
    std::transform(dll.begin(), dll.end(), dll.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    facts.imports.insert(dll);
  }
  return facts;
}

TEST(BuiltPrograms, TheReleaseProgramIsA32BitGuiProgramNeedingOnlySystemDlls) {
  if (releaseProgram().empty())
    GTEST_SKIP() << "VS_RELEASE_EXE not set";
  const PeFacts facts = readPe(releaseProgram());
  EXPECT_EQ(facts.machine, 0x14Cu);  // i386
  EXPECT_EQ(facts.magic, 0x10Bu);    // PE32
  EXPECT_EQ(facts.subsystem, 2u);    // Windows GUI
  EXPECT_THAT(facts.imports, ::testing::Contains("kernel32.dll"));
  const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "gdi32.dll",
                                        "kernel32.dll", "msvcrt.dll",   "shell32.dll",
                                        "user32.dll",   "version.dll"};
  for (const std::string& dll : facts.imports) EXPECT_TRUE(system.count(dll)) << dll;

  // The 64-bit build read the same way, so the reader is seen to tell them apart.
  EXPECT_EQ(readPe(builtProgram()).machine, 0x8664u);
}

}  // namespace
}  // namespace vs::test
