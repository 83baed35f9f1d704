#include "platform/forms/picture_box.h"

#include <algorithm>
#include <cmath>

#include "platform/vb/encoding.h"

namespace forms {

namespace {

constexpr double kTwipsPerPoint = 20;

}  // namespace

PictureBox::PictureBox(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->width = 2400;
  common_->height = 1800;
}

void PictureBox::SetDrawWidth(int width) {
  Assign(props_->drawWidth, std::max(1, width), ControlProperty::DrawWidth);
}
void PictureBox::SetAutoRedraw(bool autoRedraw) {
  Assign(props_->autoRedraw, autoRedraw, ControlProperty::AutoRedraw);
}
void PictureBox::SetBorderStyle(int style) {
  Assign(props_->borderStyle, style, ControlProperty::BorderStyle);
}
void PictureBox::SetPicture(std::string picture) {
  Assign(props_->picture, std::move(picture), ControlProperty::Picture);
}

void PictureBox::Cls() {
  drawing_.clear();
  currentX_ = 0;
  currentY_ = 0;
  Changed(ControlProperty::Drawing);
}

void PictureBox::Draw(DrawCommand command) {
  drawing_.push_back(std::move(command));
  Changed(ControlProperty::Drawing);
}

void PictureBox::Print(const std::string& text) {
  DrawCommand command;
  command.type = DrawCommand::Type::Text;
  command.x1 = currentX_;
  command.y1 = currentY_;
  command.text = text;
  command.font = Font();
  command.color = ForeColor();
  Draw(std::move(command));
  currentX_ = 0;
  currentY_ += TextHeight(text);
}

void PictureBox::Line(double x1, double y1, double x2, double y2) {
  Line(x1, y1, x2, y2, ForeColor());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, Color color) {
  Draw({DrawCommand::Type::Line, x1, y1, x2, y2, "", Font(), color, props_->drawWidth});
  currentX_ = x2;
  currentY_ = y2;
}

void PictureBox::Box(double x1, double y1, double x2, double y2) { Box(x1, y1, x2, y2, ForeColor()); }

void PictureBox::Box(double x1, double y1, double x2, double y2, Color color) {
  Draw({DrawCommand::Type::Box, x1, y1, x2, y2, "", Font(), color, props_->drawWidth});
  currentX_ = x2;
  currentY_ = y2;
}

double PictureBox::TextWidth(const std::string& text) const {
  bool fixed = Font().name.find("Courier") != std::string::npos;
  double em = Font().size * kTwipsPerPoint;
  return std::round(static_cast<double>(vb::DecodeUtf8(text).size()) * em * (fixed ? 0.6 : 0.5));
}

double PictureBox::TextHeight(const std::string& /*text*/) const {
  return std::round(Font().size * kTwipsPerPoint * 1.15);
}

void PictureBox::RestoreDesign() {
  Control::RestoreDesign();
  drawing_.clear();
  currentX_ = 0;
  currentY_ = 0;
}

}  // namespace forms
