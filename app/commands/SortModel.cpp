#include "app/commands/SortModel.h"

TSortModel::TSortModel(const std::vector<std::wstring>& names) {
  for (std::size_t i = 0; i < names.size(); ++i) list1_.push_back({names[i], static_cast<int>(i)});
}

void TSortModel::Move(std::vector<TSortEntry>& from, int& selected, std::vector<TSortEntry>& to) {
  if (from.empty()) return;
  const int count = static_cast<int>(from.size());
  const int position = selected >= 0 && selected < count ? selected : count - 1;
  to.push_back(from[static_cast<std::size_t>(position)]);
  from.erase(from.begin() + position);
  selected = position < count - 1 ? position : count - 2;
}

void TSortModel::MoveRight() { Move(list1_, Selected1, list2_); }

void TSortModel::MoveLeft() { Move(list2_, Selected2, list1_); }

std::vector<int> TSortModel::Accept() const {
  std::vector<int> order;
  for (const auto& entry : list2_) order.push_back(entry.Index);
  for (const auto& entry : list1_) order.push_back(entry.Index);
  return order;
}
