#pragma once
// The switch set handed to every archive operation. Numbers are signed 8-bit
// values, -1 meaning "not given"; each format writes the ones it knows in
// its own syntax.

#include <cstdint>
#include <string>
#include <vector>

enum TPackFilter { pfArchiver, pfComponent };

enum TResFileUse { ruOnPack, ruOnUnpack, ruOnRemoveItem, ruOnUpdate };

// A set of TResFileUse.
class TResFileUsage {
 public:
  TResFileUsage() = default;
  TResFileUsage(std::initializer_list<TResFileUse> uses) {
    for (const TResFileUse use : uses) Include(use);
  }
  [[nodiscard]] bool Holds(TResFileUse use) const { return (bits_ >> use) & 1u; }
  void Include(TResFileUse use) { bits_ = static_cast<std::uint8_t>(bits_ | 1u << use); }
  void Exclude(TResFileUse use) { bits_ = static_cast<std::uint8_t>(bits_ & ~(1u << use)); }
  bool operator==(const TResFileUsage&) const = default;

 private:
  std::uint8_t bits_ = 0;
};

class TArchiverOptions {
 public:
  using TNumber = std::int8_t;

  TArchiverOptions() { Reset(); }
  // Every number -1, every text empty, no exclusions, the component's pack
  // filter, response files for pack, unpack and remove.
  void Reset();
  bool operator==(const TArchiverOptions&) const = default;

  TNumber a, c, e, f, h, i, l, m, n, o, p, r, s, t, u;
  std::wstring w;
  TNumber x, y, z, jc, jd, je, jf, jh, ji, jm, jn;
  std::wstring jo, job;
  TNumber jp, jr, jsb, jsc, jsd, jse, jsf, jsl, jso, jss, jst, jsv, jsz, jw;
  std::vector<std::wstring> jx;
  TNumber jyc, jyd, jyk, jyn, jyo;
  std::wstring jz;
  TNumber ga, gd, ge, gf, gj, gm, gn, go, gp;
  std::wstring gr;
  TNumber gs, gu, gw;
  std::wstring UserOptions;
  std::wstring UserFileList;
  TPackFilter PackFilter;
  std::wstring ResFileName;
  TResFileUsage ResFileUsage;
};
