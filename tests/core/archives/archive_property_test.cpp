// Random directory states and archive lists on disk: nothing is ever lost,
// and without collisions the data directory ends holding exactly the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "core/archives/archive_switch.h"
#include "core/text/ascii.h"
#include "os/posix/posix_file_system.h"
#include "support/temp_dir.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;

const char* const kStems[] = {"alpha", "beta", "gamma", "delta", "omega"};
const char* const kKinds[] = {".mod", ".pak", ".model", ""};

struct Entry {
  std::string content;
  bool directory = false;
};
using Listing = std::map<std::string, Entry>;  // name -> entry

class Case {
 public:
  explicit Case(unsigned seed) : rng_(seed) {}

  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::string spell(const std::string& name) {
    if (chance(0.4))
      return name;
    std::string out = name;
    for (char& c : out)
      if (c >= 'a' && c <= 'z' && chance(0.5))
        c = static_cast<char>(c - 'a' + 'A');
    return out;
  }
  std::string anyName() { return spell(std::string(kStems[pick(5)]) + kKinds[pick(4)]); }
  std::string content() { return "c" + std::to_string(pick(3)); }

 private:
  std::mt19937 rng_;
};

bool matchesMod(const std::string& name) {
  return name.size() > 4 && lowerAscii(name.substr(name.size() - 4)) == ".mod";
}

void place(const fs::path& directory, const std::string& name, const Entry& entry) {
  if (entry.directory)
    writeFile(directory / name / "inner", entry.content);
  else
    writeFile(directory / name, entry.content);
}

Listing read(const fs::path& directory) {
  Listing listing;
  if (!fs::exists(directory))
    return listing;
  for (const auto& item : fs::directory_iterator(directory)) {
    const std::string name = item.path().filename().string();
    if (name == "modvdf")
      continue;
    const bool isDir = item.is_directory();
    listing[name] = {readFile(isDir ? item.path() / "inner" : item.path()), isDir};
  }
  return listing;
}

std::vector<std::string> contentsByLowerName(const Listing& a, const Listing& b) {
  std::vector<std::string> all;
  for (const Listing* listing : {&a, &b})
    for (const auto& [name, entry] : *listing)
      all.push_back(lowerAscii(name) + (entry.directory ? "/" : ":") + entry.content);
  std::sort(all.begin(), all.end());
  return all;
}

bool isPlain(const std::string& name) {
  return name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

// Where every archive must end when no move can collide.
std::pair<Listing, Listing> expectedPlacement(const Listing& data, const Listing& parking,
                                              const std::vector<std::string>& listed) {
  Listing endData, endParking;
  std::map<std::string, std::pair<std::string, Entry>> pool;  // lower name -> original
  for (const auto& [name, entry] : data) {
    if (matchesMod(name))
      pool[lowerAscii(name)] = {name, entry};
    else
      endData[name] = entry;
  }
  for (const auto& [name, entry] : parking) pool[lowerAscii(name)] = {name, entry};
  for (const std::string& name : listed) {
    auto it = pool.find(lowerAscii(name));
    if (!isPlain(name) || it == pool.end())
      continue;
    endData[name] = it->second.second;
    pool.erase(it);
  }
  for (const auto& [lower, original] : pool) endParking[original.first] = original.second;
  return {endData, endParking};
}

void runCase(unsigned seed) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  Case random(seed);
  TempDir root;
  const fs::path data = root / "data", parking = root / "data" / "modvdf";
  fs::create_directories(root / "bin");
  writeFile(root / "outside.mod", "outside");
  const bool collisions = random.chance(0.5);
  const bool parkingMissing = collisions && random.chance(0.1);
  fs::create_directories(parkingMissing ? data : parking);

  Listing startData, startParking;
  if (collisions) {
    // Names in one or both directories, spelt alike or in another case.
    for (int i = 1 + random.pick(8); i > 0; --i) {
      const std::string base = std::string(kStems[random.pick(5)]) + kKinds[random.pick(4)];
      const std::string name = random.spell(base);
      const int where = parkingMissing ? 0 : random.pick(3);
      if (where != 1)
        startData[name] = {random.content(), random.chance(0.15)};
      if (where != 0)
        startParking[random.chance(0.5) ? name : random.spell(base)] = {random.content(),
                                                                        random.chance(0.15)};
    }
  } else {
    for (const char* stem : kStems)
      for (const char* kind : kKinds)
        if (random.chance(0.35)) {
          Listing& target = random.chance(0.5) ? startData : startParking;
          target[random.spell(std::string(stem) + kind)] = {random.content(), random.chance(0.15)};
        }
  }
  for (const auto& [name, entry] : startData) place(data, name, entry);
  for (const auto& [name, entry] : startParking) place(parking, name, entry);

  std::vector<std::string> listed;
  std::string vdf = random.chance(0.3) ? " ;\r\n" : "";
  for (int i = random.pick(7); i > 0; --i) {
    const int kind = random.pick(10);
    const std::string name = kind == 0 ? "../outside.mod" : kind == 1 ? "q" : random.anyName();
    if (name.size() >= 2)
      listed.push_back(name);
    vdf += name + std::string(1 + random.pick(3), ' ');
  }
  vdf += random.chance(0.3) ? ";\n" : "";

  WorkingDirectoryGuard guard;
  fs::current_path(root / "bin");
  PosixFileSystem files;
  std::vector<std::string> log;
  const LogLine record = [&](const std::string& line) { log.push_back(line); };
  const ArchiveDirectories dirs = archiveDirectories('/');
  parkArchives(files, dirs, record);
  const std::size_t parkLines = log.size();
  activateArchives(files, dirs, vdf, record);

  const Listing endData = read(data), endParking = read(parking);
  ASSERT_EQ(contentsByLowerName(startData, startParking), contentsByLowerName(endData, endParking));
  EXPECT_EQ(readFile(root / "outside.mod"), "outside");
  const auto matching = std::count_if(startData.begin(), startData.end(),
                                      [](const auto& item) { return matchesMod(item.first); });
  EXPECT_EQ(parkLines, static_cast<std::size_t>(matching));
  EXPECT_EQ(log.size() - parkLines, listed.size());

  if (!collisions) {
    for (std::size_t i = 0; i < parkLines; ++i)
      EXPECT_EQ(log[i].find(" ("), std::string::npos) << log[i];
    const auto [wantData, wantParking] = expectedPlacement(startData, startParking, listed);
    EXPECT_EQ(contentsByLowerName(endData, {}), contentsByLowerName(wantData, {}));
    std::vector<std::string> haveNames, wantNames;
    for (const auto& item : endData) haveNames.push_back(item.first);
    for (const auto& item : wantData) wantNames.push_back(item.first);
    EXPECT_EQ(haveNames, wantNames);
    std::vector<std::string> haveParked, wantParked;
    for (const auto& item : endParking) haveParked.push_back(item.first);
    for (const auto& item : wantParking) wantParked.push_back(item.first);
    EXPECT_EQ(haveParked, wantParked);
  }
}

TEST(ArchiveProperty, NothingIsLostAndWithoutCollisionsTheListIsWhatIsActive) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    runCase(seed);
    if (HasFatalFailure())
      return;
  }
}

}  // namespace
}  // namespace vs::test
