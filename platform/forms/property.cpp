#include "platform/forms/property.h"

namespace forms {

// Each name is its enumerator spelt out, so that the two cannot differ.
#define FORMS_PROPERTY_NAME(Owner, property) \
  case Owner::property:                      \
    return #property

std::string_view PropertyName(FormProperty property) {
  switch (property) {
    FORMS_PROPERTY_NAME(FormProperty, Caption);
    FORMS_PROPERTY_NAME(FormProperty, Geometry);
    FORMS_PROPERTY_NAME(FormProperty, Visible);
    FORMS_PROPERTY_NAME(FormProperty, Enabled);
    FORMS_PROPERTY_NAME(FormProperty, WindowState);
    FORMS_PROPERTY_NAME(FormProperty, Tag);
    FORMS_PROPERTY_NAME(FormProperty, HelpContextID);
    FORMS_PROPERTY_NAME(FormProperty, MousePointer);
    FORMS_PROPERTY_NAME(FormProperty, BackColor);
    FORMS_PROPERTY_NAME(FormProperty, BorderStyle);
    FORMS_PROPERTY_NAME(FormProperty, ControlBox);
    FORMS_PROPERTY_NAME(FormProperty, MinButton);
    FORMS_PROPERTY_NAME(FormProperty, MaxButton);
    FORMS_PROPERTY_NAME(FormProperty, Refresh);
  }
  return {};
}

std::string_view PropertyName(ControlProperty property) {
  switch (property) {
    FORMS_PROPERTY_NAME(ControlProperty, Left);
    FORMS_PROPERTY_NAME(ControlProperty, Top);
    FORMS_PROPERTY_NAME(ControlProperty, Width);
    FORMS_PROPERTY_NAME(ControlProperty, Height);
    FORMS_PROPERTY_NAME(ControlProperty, Visible);
    FORMS_PROPERTY_NAME(ControlProperty, Enabled);
    FORMS_PROPERTY_NAME(ControlProperty, TabIndex);
    FORMS_PROPERTY_NAME(ControlProperty, TabStop);
    FORMS_PROPERTY_NAME(ControlProperty, CausesValidation);
    FORMS_PROPERTY_NAME(ControlProperty, Tag);
    FORMS_PROPERTY_NAME(ControlProperty, HelpContextID);
    FORMS_PROPERTY_NAME(ControlProperty, ToolTipText);
    FORMS_PROPERTY_NAME(ControlProperty, BackColor);
    FORMS_PROPERTY_NAME(ControlProperty, ForeColor);
    FORMS_PROPERTY_NAME(ControlProperty, Font);
    FORMS_PROPERTY_NAME(ControlProperty, MousePointer);
    FORMS_PROPERTY_NAME(ControlProperty, Refresh);
    FORMS_PROPERTY_NAME(ControlProperty, Caption);
    FORMS_PROPERTY_NAME(ControlProperty, Value);
    FORMS_PROPERTY_NAME(ControlProperty, Alignment);
    FORMS_PROPERTY_NAME(ControlProperty, BorderStyle);
    FORMS_PROPERTY_NAME(ControlProperty, Style);
    FORMS_PROPERTY_NAME(ControlProperty, Picture);
    FORMS_PROPERTY_NAME(ControlProperty, Default);
    FORMS_PROPERTY_NAME(ControlProperty, Cancel);
    FORMS_PROPERTY_NAME(ControlProperty, AutoSize);
    FORMS_PROPERTY_NAME(ControlProperty, WordWrap);
    FORMS_PROPERTY_NAME(ControlProperty, BackStyle);
    FORMS_PROPERTY_NAME(ControlProperty, Checked);
    FORMS_PROPERTY_NAME(ControlProperty, Text);
    FORMS_PROPERTY_NAME(ControlProperty, Locked);
    FORMS_PROPERTY_NAME(ControlProperty, MaxLength);
    FORMS_PROPERTY_NAME(ControlProperty, MultiLine);
    FORMS_PROPERTY_NAME(ControlProperty, ScrollBars);
    FORMS_PROPERTY_NAME(ControlProperty, PasswordChar);
    FORMS_PROPERTY_NAME(ControlProperty, SelStart);
    FORMS_PROPERTY_NAME(ControlProperty, SelLength);
    FORMS_PROPERTY_NAME(ControlProperty, Mask);
    FORMS_PROPERTY_NAME(ControlProperty, PromptChar);
    FORMS_PROPERTY_NAME(ControlProperty, List);
    FORMS_PROPERTY_NAME(ControlProperty, ListIndex);
    FORMS_PROPERTY_NAME(ControlProperty, Sorted);
    FORMS_PROPERTY_NAME(ControlProperty, TopIndex);
    FORMS_PROPERTY_NAME(ControlProperty, DropDownWidth);
    FORMS_PROPERTY_NAME(ControlProperty, Path);
    FORMS_PROPERTY_NAME(ControlProperty, Pattern);
    FORMS_PROPERTY_NAME(ControlProperty, Min);
    FORMS_PROPERTY_NAME(ControlProperty, Max);
    FORMS_PROPERTY_NAME(ControlProperty, SmallChange);
    FORMS_PROPERTY_NAME(ControlProperty, LargeChange);
    FORMS_PROPERTY_NAME(ControlProperty, DrawWidth);
    FORMS_PROPERTY_NAME(ControlProperty, AutoRedraw);
    FORMS_PROPERTY_NAME(ControlProperty, Drawing);
    FORMS_PROPERTY_NAME(ControlProperty, Tabs);
    FORMS_PROPERTY_NAME(ControlProperty, Tab);
    FORMS_PROPERTY_NAME(ControlProperty, TabCaption);
    FORMS_PROPERTY_NAME(ControlProperty, TabEnabled);
    FORMS_PROPERTY_NAME(ControlProperty, TabVisible);
    FORMS_PROPERTY_NAME(ControlProperty, Rows);
    FORMS_PROPERTY_NAME(ControlProperty, Row);
    FORMS_PROPERTY_NAME(ControlProperty, Col);
    FORMS_PROPERTY_NAME(ControlProperty, FirstRow);
    FORMS_PROPERTY_NAME(ControlProperty, RowHeight);
    FORMS_PROPERTY_NAME(ControlProperty, Columns);
    FORMS_PROPERTY_NAME(ControlProperty, Buttons);
    FORMS_PROPERTY_NAME(ControlProperty, numdoc);
    FORMS_PROPERTY_NAME(ControlProperty, razonsocial);
    FORMS_PROPERTY_NAME(ControlProperty, periodo_ejercicio);
    FORMS_PROPERTY_NAME(ControlProperty, formulario);
    FORMS_PROPERTY_NAME(ControlProperty, esruc);
  }
  return {};
}

#undef FORMS_PROPERTY_NAME

}  // namespace forms
