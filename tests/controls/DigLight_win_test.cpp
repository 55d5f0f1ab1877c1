#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "base/win32/Handles_win.h"
#include "controls/DigLight_win.h"
#include "tests/support/FakeFormServices.h"

namespace {

constexpr int kDigLightId = 101;
constexpr int kNextEditId = 102;
constexpr wchar_t kBackspace = L'\b';
constexpr wchar_t kDelete = 0x7F;
constexpr wchar_t kLeftArrow = L'←';

// A dialog template as a resource script would give it: the control by its
// class name, an edit after it, OK as the default button and Cancel.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> words;
  const auto dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  const auto text = [&](const wchar_t* value) {
    for (; *value; ++value) words.push_back(*value);
    words.push_back(0);
  };
  const auto item = [&](DWORD style, short x, int id, const wchar_t* className) {
    if (words.size() % 2) words.push_back(0);  // items start on a DWORD
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | style);
    dword(0);
    for (const short value : {x, short(10), short(60), short(14)})
      words.push_back(static_cast<WORD>(value));
    words.push_back(static_cast<WORD>(id));
    text(className);
    text(L"");
    words.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_VISIBLE);
  dword(0);
  words.push_back(4);
  for (const short value : {short(10), short(10), short(280), short(40)})
    words.push_back(static_cast<WORD>(value));
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  text(L"DigLight");
  item(WS_BORDER, 5, kDigLightId, kDigLightClass);
  item(WS_BORDER, 70, kNextEditId, L"EDIT");
  item(BS_DEFPUSHBUTTON, 140, IDOK, L"BUTTON");
  item(BS_PUSHBUTTON, 205, IDCANCEL, L"BUTTON");
  return words;
}

// A modeless dialog with a TDigLight that has the focus; records the
// buttons the dialog saw clicked.
class TDigLightDialog {
 public:
  TDigLightDialog() {
    TDigLight::RegisterDigLightClass();
    const std::vector<WORD> words = DialogTemplate();
    handle = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                        reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                        &Procedure, reinterpret_cast<LPARAM>(this));
    control = GetDlgItem(handle, kDigLightId);
    nextEdit = GetDlgItem(handle, kNextEditId);
    light = TDigLight::Of(control);
    SetForegroundWindow(handle);
    SetFocus(control);
    Pump();
  }
  ~TDigLightDialog() { DestroyWindow(handle); }

  void Pump() const {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Deliver(message);
  }
  // A key as the keyboard gives it to the focused window: down, the
  // character the system makes of it, up.
  void Press(UINT virtualKey) const {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    MSG down{GetFocus(), WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | scanCode << 16), 0, {}};
    Deliver(down);
    Pump();
    MSG up{GetFocus(), WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | scanCode << 16 | 3u << 30),
           0,          {}};
    Deliver(up);
    Pump();
  }
  void Type(const std::wstring& keys) const {
    for (const wchar_t key : keys) {
      if (key == kBackspace)
        Press(VK_BACK);
      else if (key == kDelete)
        Press(VK_DELETE);
      else if (key == kLeftArrow)
        Press(VK_LEFT);
      else
        Press(LOBYTE(VkKeyScanW(key)));
    }
  }
  [[nodiscard]] std::pair<DWORD, DWORD> Selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  HWND handle = nullptr;
  HWND control = nullptr;
  HWND nextEdit = nullptr;
  TDigLight* light = nullptr;
  std::vector<int> clicked;

 private:
  void Deliver(MSG& message) const {
    if (IsDialogMessageW(handle, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      return FALSE;
    }
    auto* self = reinterpret_cast<TDigLightDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_COMMAND && self && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      self->clicked.push_back(LOWORD(wParam));
      return TRUE;
    }
    return FALSE;
  }
};

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

COLORREF BackgroundAnswer(HWND dialog, HWND control) {
  const TMemoryDC dc(CreateCompatibleDC(nullptr));
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLOREDIT,
                                                           reinterpret_cast<WPARAM>(dc.Get()),
                                                           reinterpret_cast<LPARAM>(control)));
  LOGBRUSH logBrush{};
  GetObjectW(brush, sizeof logBrush, &logBrush);
  return logBrush.lbColor;
}

void SetClipboardText(HWND owner, const std::wstring& text) {
  const TClipboardScope clipboard(owner);
  ASSERT_TRUE(clipboard.Open());
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  {
    const TGlobalLock lock(memory);
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(lock.Data()));
  }
  SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it now
}

}  // namespace

TEST(DigLight, ADialogTemplateMakesARightAlignedEditShowingZero) {
  TDigLightDialog dialog;
  ASSERT_NE(dialog.light, nullptr);
  EXPECT_EQ(TDigLight::Of(dialog.nextEdit), nullptr);
  const auto style = GetWindowLongPtrW(dialog.control, GWL_STYLE);
  EXPECT_EQ(style & (ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL),
            ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL);
  EXPECT_EQ(dialog.light->Text(), L"0");
  EXPECT_EQ(dialog.Selection(), std::make_pair(DWORD{0}, DWORD{1}))
      << "the focus selects the whole text";
}

TEST(DigLight, KeysRewriteTheWholeTextAndLeaveTheCaretAtTheEnd) {
  const std::function<void(TDigLight&)> defaults = [](TDigLight&) {};
  const struct {
    const char* name;
    std::function<void(TDigLight&)> setup;
    std::wstring keys;
    std::wstring text;
  } cases[] = {
      {"digits", defaults, L"1234", L"1,234"},
      {"backspace", defaults, L"1234\b", L"123"},
      {"delete", defaults, L"1234\x7f", L"123"},
      {"letters never reach the edit", defaults, L"1a2", L"12"},
      {"arrows do not move the caret", defaults, L"12←3", L"123"},
      {"decimals", [](TDigLight& l) { l.SetDigSKeta(2); }, L"1.57\b", L"1.50"},
      {"minus", defaults, L"5-", L"-5"},
      {"read-only takes no digit",
       [](TDigLight& l) {
         SendMessageW(l.Handle(), EM_SETREADONLY, TRUE, 0);
         SetFocus(nullptr);
         SetFocus(l.Handle());  // a read-only control puts the caret at the end
       },
       L"12\b", L"0"},
  };
  for (const auto& c : cases) {
    TDigLightDialog dialog;
    c.setup(*dialog.light);
    dialog.Type(c.keys);
    EXPECT_EQ(TextOf(dialog.control), c.text) << c.name;
    const auto end = static_cast<DWORD>(c.text.size());
    EXPECT_EQ(dialog.Selection(), std::make_pair(end, end)) << c.name;
    EXPECT_TRUE(dialog.clicked.empty()) << c.name;
  }
}

TEST(DigLight, EnterAndEscapeGoToTheDialogsButtonsOrToTheNextControl) {
  const struct {
    const char* name;
    bool nextFocus;
    bool okEnabled;
    UINT key;
    std::vector<int> clicked;
    bool focusMovedOn;
  } cases[] = {
      {"Enter clicks the default button", false, true, VK_RETURN, {IDOK}, false},
      {"Escape clicks Cancel", false, true, VK_ESCAPE, {IDCANCEL}, false},
      {"NextFocus: Enter moves on", true, true, VK_RETURN, {}, true},
      {"NextFocus: Escape moves on", true, true, VK_ESCAPE, {}, true},
      {"a disabled default button is not clicked", false, false, VK_RETURN, {}, false},
  };
  for (const auto& c : cases) {
    TDigLightDialog dialog;
    dialog.light->NextFocus = c.nextFocus;
    EnableWindow(GetDlgItem(dialog.handle, IDOK), c.okEnabled);
    dialog.Type(L"42");
    dialog.Press(c.key);
    EXPECT_EQ(dialog.clicked, c.clicked) << c.name;
    EXPECT_EQ(GetFocus(), c.focusMovedOn ? dialog.nextEdit : dialog.control) << c.name;
    EXPECT_EQ(TextOf(dialog.control), L"42") << c.name;
    if (!c.nextFocus && c.clicked.empty()) {
      EXPECT_EQ(dialog.Selection(), std::make_pair(DWORD{0}, DWORD{2}))
          << "the whole text selected";
    }
  }
}

TEST(DigLight, APasteTypesTheClipboardsNumberOrNothing) {
  const struct {
    std::wstring clipboard;
    UINT modifier;  // with the key: Ctrl+V, Shift+Insert; none: the context menu's message
    UINT key;
    bool overSelection;
    std::wstring text;
  } cases[] = {
      {L"1,234\r\n", 0, 0, true, L"1,234"},
      {L"77", VK_CONTROL, 'V', false, L"577"},
      {L"8", VK_SHIFT, VK_INSERT, false, L"58"},
      {L"7 apples", 0, 0, true, L"5"},
  };
  for (const auto& c : cases) {
    TDigLightDialog dialog;
    dialog.Type(L"5");
    if (c.overSelection) SendMessageW(dialog.control, EM_SETSEL, 0, -1);
    SetClipboardText(dialog.handle, c.clipboard);
    if (c.key) {
      BYTE keys[256] = {};
      GetKeyboardState(keys);
      keys[c.modifier] = 0x80;
      SetKeyboardState(keys);
      dialog.Press(c.key);
      keys[c.modifier] = 0;
      SetKeyboardState(keys);
    } else {
      SendMessageW(dialog.control, WM_PASTE, 0, 0);  // as the context menu does
    }
    EXPECT_EQ(TextOf(dialog.control), c.text) << testing::PrintToString(c.clipboard);
  }
}

TEST(DigLight, TakesFocusColorWhileItHasTheFocus) {
  TDigLightDialog dialog;
  constexpr COLORREF kYellow = RGB(255, 255, 0);
  dialog.light->SetFocusColor(kYellow);
  EXPECT_EQ(BackgroundAnswer(dialog.handle, dialog.control), kYellow);
  SetFocus(dialog.nextEdit);
  EXPECT_EQ(BackgroundAnswer(dialog.handle, dialog.control), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(BackgroundAnswer(dialog.handle, dialog.nextEdit), GetSysColor(COLOR_WINDOW));
}

TEST(DigLight, LeavingOutsideTheRangeShowsTheMessageSetsTheBoundAndTakesTheFocusBack) {
  const struct {
    std::int64_t value;
    std::int64_t after;
    bool complaint;
  } cases[] = {{100, 72, true}, {-8, 6, true}, {50, 50, false}};
  for (const auto& c : cases) {
    TDigLightDialog dialog;
    FakeMessageBoxes boxes;
    dialog.light->SetMessageBoxes(boxes);
    dialog.light->SetMaxDigit(72);
    dialog.light->SetMinDigit(6);
    dialog.light->SetValue(c.value);
    SetFocus(dialog.nextEdit);
    dialog.Pump();
    EXPECT_EQ(dialog.light->GetValue(), TCurrency(c.after)) << c.value;
    EXPECT_EQ(boxes.errors, c.complaint
                                ? std::vector<std::wstring>{L"6～72の間で、入力してください。"}
                                : std::vector<std::wstring>{})
        << c.value;
    EXPECT_EQ(GetFocus(), c.complaint ? dialog.control : dialog.nextEdit) << c.value;
  }
}
