// A bounded fuzz run of the sheet-file reading path: a few thousand seeded
// mutations of a sheet file, each loaded and arranged as the window does,
// under the sanitizers of the native build. Whatever the bytes, a load either
// reports the file damaged or leaves a sheet that can be painted: 0 ... 400
// items, each in a cell of its own, with an icon each.

#include <gtest/gtest.h>

#include <bitset>
#include <climits>
#include <cstring>
#include <iostream>
#include <random>

#include "base/errors/Errors.h"
#include "tests/support/Items.h"
#include "tests/support/MemorySheet.h"

namespace {

const std::wstring kSheetPath = L"C:\\ZELK\\Data\\一般";
constexpr int kMutations = 3000;

std::vector<std::uint8_t> SeedFile() {
  TSheetBuffer sheet;
  for (int i = 0; i < 24; ++i) {
    AddItem(sheet, MakeItem(L"C:\\ソフト\\表" + std::to_wstring(i) + L".exe", (i * 7) % 30, i % 5,
                            L"表示"));
  }
  return SheetFileBytes(sheet);
}

void PutInt(std::vector<std::uint8_t>& file, std::size_t offset, std::int32_t value) {
  if (offset + 4 <= file.size()) std::memcpy(file.data() + offset, &value, 4);
}

// One to eight changes: bytes anywhere, the count, a record's slot or use
// count set to edge values, and now and then a shorter or longer file.
std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> file, std::mt19937& random) {
  static constexpr std::int32_t kEdges[] = {-1, 0, 1, 399, 400, 401, INT_MIN, INT_MAX};
  static constexpr std::uint8_t kBytes[] = {0, 0x5C, 0x7F, 0x80, 0x81, 0xFF};
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto edge = [&] {
    return pick(3) == 0 ? static_cast<std::int32_t>(random()) : kEdges[pick(8)];
  };
  const std::size_t changes = 1 + pick(8);
  for (std::size_t c = 0; c < changes; ++c) {
    const std::size_t record = 4 + 720 * pick(kItemLimit);
    switch (pick(7)) {
      case 0:
        file[pick(file.size())] = kBytes[pick(6)];
        break;
      case 1:
        file[pick(file.size())] ^= static_cast<std::uint8_t>(1u << pick(8));
        break;
      case 2:
        PutInt(file, 0, edge());
        break;
      case 3:
        PutInt(file, 0, static_cast<std::int32_t>(pick(kItemLimit + 1)));
        break;
      case 4:
        PutInt(file, record + 712, edge());
        break;
      case 5:
        PutInt(file, record + 716, edge());
        break;
      default:  // a text field without its terminator
        std::memset(file.data() + record + pick(420), 'A', 300);
        break;
    }
  }
  if (pick(50) == 0) file.resize(pick(kSheetFileSize + 2), 0x41);
  return file;
}

// Painting and hit tests rely on these.
void ExpectPaintable(const TCurrentSheet& current, const FakeIconList& icons, int mutation) {
  const TSheetBuffer& sheet = current.Buffer();
  ASSERT_GE(sheet.Count, 0) << mutation;
  ASSERT_LE(sheet.Count, kItemLimit) << mutation;
  EXPECT_EQ(icons.icons.size(), static_cast<std::size_t>(sheet.Count)) << mutation;
  std::bitset<kSlotCount> held;
  for (int i = 0; i < sheet.Count; ++i) {
    const std::int32_t slot = sheet.Items[static_cast<std::size_t>(i)].Slot;
    ASSERT_TRUE(slot >= 0 && slot < kSlotCount) << "mutation " << mutation << ": slot " << slot;
    ASSERT_FALSE(held.test(static_cast<std::size_t>(slot))) << "mutation " << mutation;
    held.set(static_cast<std::size_t>(slot));
    (void)DecodeField(sheet.Items[static_cast<std::size_t>(i)].Display, current.Codec());
  }
}

}  // namespace

TEST(SheetFileFuzz, NoMutatedFileLoadsIntoASheetThatCannotBePainted) {
  std::mt19937 random(20261208);
  const auto seed = SeedFile();
  MemorySheet s;
  int loaded = 0;
  int damaged = 0;
  for (int mutation = 0; mutation < kMutations; ++mutation) {
    s.store.files.clear();
    s.store.files[kSheetPath] = Mutate(seed, random);
    const TArrangeOptions options{.SORTMODE = static_cast<std::uint8_t>(random() % 3),
                                  .AUTOSORT = random() % 2 == 0};
    try {
      s.current.Load(L"一般", options);
      ++loaded;
    } catch (const ESheetDamaged&) {
      ++damaged;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectPaintable(s.current, s.icons, mutation));
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(damaged, 0);
  std::cout << "[ fuzz     ] " << kMutations << " mutated sheet files: " << loaded << " loaded, "
            << damaged << " reported damaged\n";
}
