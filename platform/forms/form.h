#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/constants.h"
#include "platform/forms/control.h"
#include "platform/forms/event.h"
#include "platform/forms/persistent.h"

namespace forms {

namespace detail {
class Application;
class ArrayBase;
class Input;
}  // namespace detail

// A window: an ordinary class whose members are its controls and whose
// constructor wires their handlers. It is loaded by Show, by forms::Load or on
// first use through Instance<T>(); until its first load it is at design time and
// its controls raise no events. Unloading it brings every control back to its
// design values (a later load starts afresh) while the object, and so its own
// member variables, live on until the object is destroyed.
class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  int Left() const { return props_->left; }
  int Top() const { return props_->top; }
  int Width() const { return props_->width; }
  int Height() const { return props_->height; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void Move(int left, int top, int width, int height);
  // The inside of the window in twips, without borders, caption and menu bar.
  int ScaleWidth() const;
  int ScaleHeight() const;
  const std::string& Tag() const { return props_->tag; }
  void SetTag(std::string tag);
  bool Enabled() const { return props_->enabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return props_->visible; }
  // True shows the form modeless, False hides it.
  void SetVisible(bool visible);
  int WindowState() const { return props_->windowState; }
  void SetWindowState(int state);
  bool KeyPreview() const { return props_->keyPreview; }
  void SetKeyPreview(bool preview);
  long HelpContextID() const { return props_->helpContextID; }
  void SetHelpContextID(long id);
  int MousePointer() const { return props_->mousePointer; }
  void SetMousePointer(int pointer);
  Color BackColor() const { return props_->backColor; }
  void SetBackColor(Color color);
  // vbBSNone ... vbSizableToolWindow.
  int BorderStyle() const { return props_->borderStyle; }
  void SetBorderStyle(int style);
  bool ControlBox() const { return props_->controlBox; }
  void SetControlBox(bool box);
  bool MinButton() const { return props_->minButton; }
  void SetMinButton(bool button);
  bool MaxButton() const { return props_->maxButton; }
  void SetMaxButton(bool button);

  // Loads the form if needed and shows it; vbModal returns when it is hidden or
  // unloaded. Showing modally a form already shown raises error 400.
  void Show(int modal = vbModeless);
  void Hide();
  void Refresh();
  bool IsLoaded() const { return state_ != State::Unloaded; }
  // Loaded with its Load event over and no unload under way: IsLoaded already
  // holds while Load runs, and a DoEvents there lets other code see the form.
  bool IsFullyLoaded() const { return state_ == State::Loaded; }
  bool IsModal() const { return modal_; }
  bool HasMenus() const;

  // The control holding the focus, or nullptr.
  Control* ActiveControl() const { return active_; }
  // Every control in creation order (containers before what they hold).
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(std::string_view name, int index = -1) const;

  Event<> Load;
  Event<> Activate;
  Event<> Deactivate;
  Event<int&, int> QueryUnload;
  Event<int&> Unload;
  Event<> Resize;
  Event<int&, int> KeyDown;
  Event<int&, int> KeyUp;
  Event<int&> KeyPress;
  Event<int, int, double, double> MouseDown;
  Event<int, int, double, double> MouseUp;
  Event<int, int, double, double> MouseMove;
  Event<> Click;
  Event<> DblClick;

 protected:
  template <class... A, class... P>
  void Fire(const Event<A...>& event, P&&... args) {
    if (!event || state_ == State::Unloaded) return;
    detail::Dispatch scope;
    detail::RunHandler(event, std::forward<P>(args)...);
  }

 private:
  friend class Control;
  friend class detail::Application;
  friend class detail::ArrayBase;
  friend class detail::Input;
  friend void Load(Form& form);
  friend bool Unload(Form& form, int mode);
  void SaveDesign();

  enum class State { Unloaded, Loading, Loaded, Unloading };
  struct Props {
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 4800;
    int height = 3600;
    std::string tag;
    bool enabled = true;
    bool visible = false;
    int windowState = vbNormal;
    bool keyPreview = false;
    long helpContextID = 0;
    int mousePointer = vbDefault;
    Color backColor = vbButtonFace;
    int borderStyle = vbSizable;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
  };

  void Register(Control* control);
  void Unregister(Control* control);
  void AddArray(detail::ArrayBase* array);
  void RemoveArray(detail::ArrayBase* array);
  void Changed(FormProperty property);
  void SetGeometry(int left, int top, int width, int height);
  void BecomeVisible();
  void FocusFirstControl();
  void Close();

  std::string name_;
  State state_ = State::Unloaded;
  bool everLoaded_ = false;
  bool resized_ = false;
  bool modal_ = false;
  std::vector<Control*> controls_;
  std::vector<detail::ArrayBase*> arrays_;
  Control* active_ = nullptr;
  int nextOrder_ = 0;
  detail::StateSlots slots_;
  Persistent<Props> props_{slots_};
};

// The runtime's Load and Unload statements. Unload raises QueryUnload (with
// vbFormCode) and Unload; either may cancel. Unload answers whether the form is
// unloaded afterwards.
void Load(Form& form);
bool Unload(Form& form, int mode = vbFormCode);

}  // namespace forms
