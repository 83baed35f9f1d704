#pragma once
// The properties a form or control tells its host changed.
#include <string_view>

namespace forms {

// What a form tells its host changed, named after the getter that reads it.
// Geometry stands for Left, Top, Width and Height at once; Refresh asks for a
// repaint with nothing changed.
enum class FormProperty {
  Caption,
  Geometry,
  Visible,
  Enabled,
  WindowState,
  Tag,
  HelpContextID,
  MousePointer,
  BackColor,
  BorderStyle,
  ControlBox,
  MinButton,
  MaxButton,
  Refresh,
};

// What a control tells its host changed, named after the getter that reads it.
// A few stand for a whole collection: List (a list's items), Drawing (what was
// drawn on a picture box), Tabs, Rows, Columns (a grid's) and Buttons (a
// toolbar's); Refresh asks for a repaint with nothing changed.
enum class ControlProperty {
  // Every control.
  Left,
  Top,
  Width,
  Height,
  Visible,
  Enabled,
  TabIndex,
  TabStop,
  CausesValidation,
  Tag,
  HelpContextID,
  ToolTipText,
  BackColor,
  ForeColor,
  Font,
  MousePointer,
  Refresh,
  // Captions, values and styles of several kinds.
  Caption,
  Value,
  Alignment,
  BorderStyle,
  Style,
  Picture,
  // Command buttons.
  Default,
  Cancel,
  // Labels.
  AutoSize,
  WordWrap,
  BackStyle,
  // Menus.
  Checked,
  // Text and masked boxes, combos.
  Text,
  Locked,
  MaxLength,
  MultiLine,
  ScrollBars,
  PasswordChar,
  SelStart,
  SelLength,
  Mask,
  PromptChar,
  // Lists, combos and the file chooser.
  List,
  ListIndex,
  Sorted,
  TopIndex,
  DropDownWidth,
  Path,
  Pattern,
  // Scroll and progress bars.
  Min,
  Max,
  SmallChange,
  LargeChange,
  // Picture boxes.
  DrawWidth,
  AutoRedraw,
  Drawing,
  // Tab controls.
  Tabs,
  Tab,
  TabCaption,
  TabEnabled,
  TabVisible,
  // Data grids.
  Rows,
  Row,
  Col,
  FirstRow,
  RowHeight,
  Columns,
  // Toolbars.
  Buttons,
  // The suite's status bar, under the names its windows write.
  numdoc,
  razonsocial,
  periodo_ejercicio,
  formulario,
  esruc,
};

// The getter's name ("Caption", "ListIndex", "periodo_ejercicio"...), for logs.
std::string_view PropertyName(FormProperty property);
std::string_view PropertyName(ControlProperty property);

}  // namespace forms
