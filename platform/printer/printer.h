#pragma once
#include <string>

namespace printer {

// Printer.Orientation.
inline constexpr int vbPRORPortrait = 1;
inline constexpr int vbPRORLandscape = 2;

// The system's printer as the runtime's Printer object drives it, for one print
// job: positions and lengths in twips from the top-left corner of the sheet's
// printable area, font sizes in points. Drawing lands on the current sheet;
// NewPage ends it, and the next sheet starts when something is drawn on it, so
// that an orientation set right after NewPage turns that sheet and a NewPage
// just before EndDoc adds no blank sheet. EndDoc sends the job.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual void SetFontName(const std::string& name) = 0;
  // A size below 1 point or above 2160 raises error 380 and leaves the font as
  // it was.
  virtual void SetFontSize(double points) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // The text with the top-left corner of its first character at the current
  // position, without filling its background; the position then moves to the
  // start of the next line.
  virtual void Print(const std::string& text) = 0;
  // Line width in the device's dots; below 1 raises error 380.
  virtual void SetDrawWidth(int width) = 0;
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  // vbPRORPortrait or vbPRORLandscape, for the sheets started from now on;
  // another value raises error 380.
  virtual void SetOrientation(int orientation) = 0;
};

// The checks every printer makes of a new property value (error 380).
void CheckFontSize(double points);
void CheckDrawWidth(int width);
void CheckOrientation(int orientation);

}  // namespace printer
