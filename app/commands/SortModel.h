#pragma once
// The two lists of the reorder dialog TSortDlg and the rules of its ">", "<"
// and OK buttons. The dialog's list boxes show this model.

#include <string>
#include <vector>

struct TSortEntry {
  std::wstring Name;
  int Index;  // position in the sheet order the dialog was opened with
};

class TSortModel {
 public:
  // List1 holds the names in their present order, List2 is empty.
  explicit TSortModel(const std::vector<std::wstring>& names);

  [[nodiscard]] const std::vector<TSortEntry>& List1() const { return list1_; }
  [[nodiscard]] const std::vector<TSortEntry>& List2() const { return list2_; }
  // The selected entry of each list; -1 for none.
  int Selected1 = -1;
  int Selected2 = -1;

  // ">": the selected name of List1 (the last one when none is selected)
  // goes to the end of List2; List1 then selects the entry at the old
  // position, or its last one. Nothing happens when List1 is empty.
  void MoveRight();
  // "<": the same from List2 back to List1.
  void MoveLeft();
  // OK: the names left in List1 follow those moved, in their order. Returns,
  // for each new position, the sheet's old index; no sheet is lost.
  [[nodiscard]] std::vector<int> Accept() const;

 private:
  static void Move(std::vector<TSortEntry>& from, int& selected, std::vector<TSortEntry>& to);

  std::vector<TSortEntry> list1_;
  std::vector<TSortEntry> list2_;
};
