#pragma once
// TSortDlg: the reorder dialog of the sheets. Its two list boxes show a
// TSortModel, whose rules the ">", "<" and OK buttons apply.

#include <optional>
#include <string>
#include <vector>

#include "app/commands/SortModel.h"
#include "app/dialogs/ModalDialog_win.h"

inline constexpr wchar_t kSortDlgCaption[] = L"並び替え";

class TSortDlg : public TModalDialog {
 public:
  explicit TSortDlg(const std::vector<std::wstring>& names) : model_(names) {}

  // Centred on the screen. On OK the new order, for each new position the
  // sheet's old index; nullopt on Cancel.
  [[nodiscard]] std::optional<std::vector<int>> ShowModal(HWND owner);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
  void ReadSelection();
  void ShowModel() const;

  TSortModel model_;
};

// K4: opens TSortDlg on the sheet names; the new order on OK.
[[nodiscard]] std::optional<std::vector<int>> AskSheetOrder(HWND owner,
                                                            const std::vector<std::wstring>& names);
