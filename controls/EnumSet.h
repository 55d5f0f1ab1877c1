#pragma once
// A set of the members of a small enumeration, as the controls' option sets
// are: membership, adding and removing, nothing more.

#include <initializer_list>

template <typename Enum>
class TEnumSet {
 public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<Enum> members) {
    for (const Enum member : members) Include(member);
  }

  [[nodiscard]] constexpr bool Has(Enum member) const { return (bits_ & Bit(member)) != 0; }
  constexpr TEnumSet& Include(Enum member) {
    bits_ |= Bit(member);
    return *this;
  }
  constexpr TEnumSet& Exclude(Enum member) {
    bits_ &= ~Bit(member);
    return *this;
  }
  bool operator==(const TEnumSet&) const = default;

 private:
  static constexpr unsigned Bit(Enum member) { return 1u << static_cast<unsigned>(member); }
  unsigned bits_ = 0;
};
