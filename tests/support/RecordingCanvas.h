#pragma once
// A canvas that records every drawing step as a line of text; text is 6
// pixels a character wide, and the window has 96 dots per inch unless a
// test says otherwise.

#include <string>
#include <vector>

#include "app/paint/Canvas.h"

class RecordingCanvas : public ICanvas {
 public:
  void SetPen(TColor color) override { Record("pen " + std::to_string(color)); }
  void SetBrush(TColor color) override { Record("brush " + std::to_string(color)); }
  void SetBrushClear() override { Record("brush clear"); }
  void Rectangle(TRect r) override { Record("rect " + Text(r)); }
  void Line(TPoint from, TPoint to) override { Record("line " + Text(from) + " " + Text(to)); }
  void DrawIcon(int index, TPoint at) override {
    Record("icon " + std::to_string(index) + " " + Text(at));
  }
  void SetFont(std::wstring_view name, int points) override {
    Record("font " + std::to_string(name.size()) + "ch " + std::to_string(points) + "pt");
  }
  void SetFontColor(TColor color) override { Record("font colour " + std::to_string(color)); }
  int TextWidth(std::wstring_view text) override { return 6 * static_cast<int>(text.size()); }
  void TextOutClipped(TRect clip, TPoint at, std::wstring_view text) override {
    Record("text " + Narrow(text) + " " + Text(at) + " in " + Text(clip));
  }
  int Dpi() const override { return dpi; }

  // Steps that start with the prefix, in order.
  std::vector<std::string> StepsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& step : steps) {
      if (step.rfind(prefix, 0) == 0) found.push_back(step);
    }
    return found;
  }

  std::vector<std::string> steps;
  int dpi = 96;

 private:
  void Record(std::string step) { steps.push_back(std::move(step)); }
  static std::string Text(TPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }
  static std::string Text(TRect r) { return Text(TPoint{r.Left, r.Top}) + "-" + Text(TPoint{r.Right, r.Bottom}); }
  static std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
  }
};
