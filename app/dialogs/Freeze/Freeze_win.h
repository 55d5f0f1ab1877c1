#pragma once
// TFDlg: the name, root option and type of the archive made from files
// dropped on the compress target.

#include <functional>
#include <string>

#include "app/archivedrop/ArchiveDrop.h"
#include "app/dialogs/ModalDialog_win.h"
#include "base/errors/MessageBoxes.h"

class TFDlg : public TModalDialog {
 public:
  TFDlg(std::wstring freezeDir, IMessageBoxes& messageBoxes)
      : freezeDir_(std::move(freezeDir)), messageBoxes_(messageBoxes) {}

  std::wstring Name = L"TEMP";  // Edit1, without extension
  bool FromRoot = false;        // CheckBox1
  TPackType Type = TPackType::Lzh;

  // Centred on the screen; true when the files are to be packed. OK and
  // the close box both go on to compress, but OK keeps the dialog open
  // while the name is refused, and the close box then packs nothing.
  [[nodiscard]] bool ShowModal(HWND owner);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
  void ReadControls();
  // Why the name is refused: it is no file name, or names an archive
  // already there (nothing is overwritten); empty when it is taken.
  [[nodiscard]] std::wstring Refusal() const;
  void Refuse(const std::wstring& reason);

  std::wstring freezeDir_;
  IMessageBoxes& messageBoxes_;
  bool proceed_ = false;
};
