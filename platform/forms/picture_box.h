#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// One drawing command on a picture box, in twips from its top-left corner.
struct DrawCommand {
  enum class Type { Text, Line, Box };
  Type type = Type::Text;
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  std::string text;
  forms::Font font;
  Color color = vbBlack;
  int width = 1;
  friend bool operator==(const DrawCommand&, const DrawCommand&) = default;
};

// A drawing surface and container, measured in twips. What is drawn is kept as a
// list of commands (text with its font, lines, boxes) that a renderer paints and
// tests read; it survives hiding and scrolling. The print preview creates one per
// page as new control-array elements.
class PictureBox : public Control {
 public:
  PictureBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "PictureBox"; }
  bool CanTakeFocus() const override { return true; }
  bool IsContainer() const override { return true; }

  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }
  int DrawWidth() const { return props_->drawWidth; }
  void SetDrawWidth(int width);
  bool AutoRedraw() const { return props_->autoRedraw; }
  void SetAutoRedraw(bool autoRedraw);
  int BorderStyle() const { return props_->borderStyle; }
  void SetBorderStyle(int style);
  // The name of the image shown as background.
  const std::string& Picture() const { return props_->picture; }
  void SetPicture(std::string picture);

  // Clears the drawing; the current position returns to the corner.
  void Cls();
  // Text at the current position in the current font and ForeColor; the position
  // then moves to the start of the next line.
  void Print(const std::string& text);
  // A line from (x1, y1) to (x2, y2) in ForeColor; the current position ends there.
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, Color color);
  // The outline of the rectangle with corners (x1, y1) and (x2, y2).
  void Box(double x1, double y1, double x2, double y2);
  void Box(double x1, double y1, double x2, double y2, Color color);
  // Text extent in twips in the current font (a fixed pitch of 0.6 em for
  // Courier fonts, 0.5 em otherwise; lines 1.15 em high).
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text) const;

  const std::vector<DrawCommand>& Drawing() const { return drawing_; }

  Event<> Paint;

 protected:
  void RestoreDesign() override;

 private:
  struct Props {
    int drawWidth = 1;
    bool autoRedraw = false;
    int borderStyle = vbFixedSingle;
    std::string picture;
  };

  void Draw(DrawCommand command);

  Persistent<Props> props_{Slots()};
  std::vector<DrawCommand> drawing_;
  double currentX_ = 0;
  double currentY_ = 0;
};

}  // namespace forms
