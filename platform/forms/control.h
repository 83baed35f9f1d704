#pragma once
#include <string>
#include <string_view>
#include <utility>

#include "platform/forms/constants.h"
#include "platform/forms/event.h"
#include "platform/forms/font.h"
#include "platform/forms/persistent.h"
#include "platform/forms/property.h"

namespace forms {

class Control;
class Form;
namespace detail {
class Input;
}

// Where a control sits: on its form, inside a container control (a frame, a
// picture box, a menu) or on one page of a tab control.
struct Place {
  Place(Form& form) : form(&form) {}
  Place(Control& container);
  Place(Control& container, int page);
  Form* form;
  Control* container = nullptr;
  int page = -1;
};

// What every control has: geometry in twips, visibility, enabling, the tab order,
// colours and font, and the events a person's mouse and keyboard raise.
class Control {
 public:
  Control(Place place, std::string name, int index);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // "TextBox", "ComboBox"...: the kind of control, for renderers and messages.
  virtual std::string_view Kind() const = 0;
  const std::string& Name() const { return name_; }
  // The control-array index, -1 for a control that is not in an array.
  int Index() const { return index_; }
  Form& Parent() const { return *form_; }
  Control* Container() const { return container_; }
  int TabPage() const { return page_; }

  int Left() const { return common_->left; }
  int Top() const { return common_->top; }
  int Width() const { return common_->width; }
  int Height() const { return common_->height; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void Move(int left, int top, int width, int height);

  bool Visible() const { return common_->visible; }
  void SetVisible(bool visible);
  bool Enabled() const { return common_->enabled; }
  void SetEnabled(bool enabled);
  int TabIndex() const { return common_->tabIndex; }
  void SetTabIndex(int tabIndex);
  bool TabStop() const { return common_->tabStop; }
  void SetTabStop(bool tabStop);
  bool CausesValidation() const { return common_->causesValidation; }
  void SetCausesValidation(bool causes);
  const std::string& Tag() const { return common_->tag; }
  void SetTag(std::string tag);
  long HelpContextID() const { return common_->helpContextID; }
  void SetHelpContextID(long id);
  const std::string& ToolTipText() const { return common_->toolTipText; }
  void SetToolTipText(std::string text);
  Color BackColor() const { return common_->backColor; }
  void SetBackColor(Color color);
  Color ForeColor() const { return common_->foreColor; }
  void SetForeColor(Color color);
  const forms::Font& Font() const { return common_->font; }
  void SetFont(const forms::Font& font);
  void SetFontName(std::string name);
  void SetFontSize(double size);
  void SetFontBold(bool bold);
  int MousePointer() const { return common_->mousePointer; }
  void SetMousePointer(int pointer);

  // Moves the focus here as a person's click would (Validate, LostFocus,
  // GotFocus). A control that is hidden or disabled, itself or through its
  // containers or form, raises error 5.
  void SetFocus();
  void Refresh();

  // Visible with every container, and on the page shown by a tab control.
  bool IsShown() const;
  // Enabled with every container and the form.
  bool IsEnabledInContext() const;
  virtual bool CanTakeFocus() const { return false; }
  virtual bool IsContainer() const { return false; }
  // Whether the controls placed on `page` show: only a tab control hides pages.
  virtual bool ShowsPage(int /*page*/) const { return true; }
  // Whether Tab stops here: option buttons stop only at the chosen one of a group.
  virtual bool InTabOrder() const { return TabStop(); }
  // The help topic F1 opens on this control: its own, else its container's.
  virtual long HelpContext() const;

  Event<> Click;
  Event<> DblClick;
  Event<> GotFocus;
  Event<> LostFocus;
  Event<bool&> Validate;
  Event<int&, int> KeyDown;
  Event<int&, int> KeyUp;
  Event<int&> KeyPress;
  Event<int, int, double, double> MouseDown;
  Event<int, int, double, double> MouseUp;
  Event<int, int, double, double> MouseMove;

 protected:
  // Runs a handler now, nested in whatever set it off. While its form is not
  // loaded (being designed, or unloaded) no event runs.
  template <class... A, class... P>
  void Fire(const Event<A...>& event, P&&... args) {
    if (!event || !RaisesEvents()) return;
    detail::Dispatch scope;
    detail::RunHandler(event, std::forward<P>(args)...);
  }
  bool RaisesEvents() const;
  // Tells the host that a property changed.
  void Changed(ControlProperty property);
  // Stores a new value; tells the host and answers true when it differs.
  template <class T, class V>
  bool Assign(T& field, V&& value, ControlProperty property) {
    if (field == value) return false;
    field = std::forward<V>(value);
    Changed(property);
    return true;
  }
  detail::StateSlots& Slots() { return slots_; }

  // What the control itself does with a person's input once the events ran.
  virtual void OnUserChar(int /*keyAscii*/) {}
  virtual void OnUserKey(int /*keyCode*/, int /*shift*/) {}
  virtual void OnUserClick() { Fire(Click); }
  // Back to the design values when the form unloads.
  virtual void RestoreDesign();

 private:
  friend class Form;
  friend class detail::Input;
  template <class T>
  friend class ControlArray;

  struct Common {
    int left = 0;
    int top = 0;
    int width = 1215;
    int height = 375;
    bool visible = true;
    bool enabled = true;
    int tabIndex = 0;
    bool tabStop = true;
    bool causesValidation = true;
    std::string tag;
    long helpContextID = 0;
    std::string toolTipText;
    Color backColor = vbButtonFace;
    Color foreColor = vbButtonText;
    forms::Font font;
    int mousePointer = vbDefault;
  };

  void CopyStateFrom(const Control& other) { slots_.CopyFrom(other.slots_); }

  Form* form_;
  Control* container_;
  int page_;
  std::string name_;
  int index_;
  int order_;
  detail::StateSlots slots_;

 protected:
  Persistent<Common> common_{slots_};
};

}  // namespace forms
