#pragma once
// A person's actions on the windows, shared by the test driver and the renderer.
#include <string>

#include "platform/forms/application.h"

namespace forms {

class ComboBox;
class Control;
class DataGrid;
class FileChooser;
class Form;
class ListBox;
class Menu;
class ScrollBar;
class TabControl;
class TextBox;
class TextEntry;
class Toolbar;

// The keystroke that types `ch` (its key code, Shift for capitals, its
// Windows-1252 code), and the keystroke of a key pressed with Shift/Ctrl/Alt
// (Enter, Escape, Backspace and Ctrl+letter carry their character codes).
Keystroke KeystrokeFor(char32_t ch);
Keystroke KeystrokeForKey(int keyCode, int shift = 0);

// What a person does with the windows, as the renderer and the test driver both
// report it. Each runs the events the runtime raises for that action, in its
// order; an action the person could not make (on a hidden or disabled control, or
// on a form behind a modal one) does nothing and answers false.
namespace user {

// Whether a person can reach the control or form now.
bool CanReach(const Control& control);
bool CanReach(const Form& form);

// Clicks into or tabs to a control: Validate on the control losing the focus,
// LostFocus, GotFocus. False also when Validate kept the focus where it was.
bool Focus(Control& control);
// A keystroke on the form: Tab and Shift+Tab move the focus; Enter presses the
// Default button and Escape the Cancel button; otherwise KeyDown, KeyPress with
// the character's Windows-1252 code (the form's handlers first with
// KeyPreview; 0 drops the key) and KeyUp, the focused control doing its part.
bool Press(Form& form, const Keystroke& key);
bool Key(Form& form, int keyCode, int shift = 0);
bool Char(Form& form, char32_t ch);
// A mouse click: the focus moves to a control that takes it, then the control
// acts (a button runs Click, a check box toggles, an option is chosen).
bool Click(Control& control);
// A whole double click without the mouse's own events: Click, then DblClick
// unless the click closed the form.
bool DblClick(Control& control);
// The second press of a double click whose first press made a whole click:
// DblClick alone, no second Click. Where Validate kept the focus from the first
// click there is no double click: false, and nothing runs.
bool SecondPress(Control& control);
bool MouseDown(Control& control, int button, int shift = 0, double x = 0, double y = 0);
bool MouseUp(Control& control, int button, int shift = 0, double x = 0, double y = 0);
bool MouseMove(Control& control, int button = 0, int shift = 0, double x = 0, double y = 0);
// The mouse on the form's own surface, outside its controls: the form's events,
// and the focus stays where it is.
bool MouseMove(Form& form, int button = 0, int shift = 0, double x = 0, double y = 0);
bool MouseDown(Form& form, int button, int shift = 0, double x = 0, double y = 0);
bool MouseUp(Form& form, int button, int shift = 0, double x = 0, double y = 0);
bool ClickForm(Form& form);
// The second press of a double click on the form's surface: the form's DblClick.
bool SecondPress(Form& form);
// Brings the form's window to the front: it becomes the active form (Deactivate
// on the one that was, then Activate); nothing runs when it is active already.
bool BringToFront(Form& form);

// The close box: QueryUnload with vbFormControlMenu, then Unload.
bool Close(Form& form);
bool SetWindowState(Form& form, int state);
bool Resize(Form& form, int width, int height);

bool ChooseMenu(Menu& menu);
bool PressToolbarButton(Toolbar& toolbar, int index);
// Clicks a tab: the tab control takes the focus, then shows the tab.
bool ChooseTab(TabControl& tabs, int tab);
// Opens a combo's list: the combo takes the focus, then DropDown runs before the
// list shows, so a handler may still fill it.
bool DropDown(ComboBox& combo);
bool SelectItem(ComboBox& combo, int index);
bool SelectItem(ListBox& list, int index);
// Selects the whole text and puts `text` in its place at once (one Change).
bool ReplaceText(TextBox& box, const std::string& text);
// The right button's menu: MouseDown and MouseUp with the right button, then
// PasteFromMenu.
bool ContextPaste(TextBox& box);
// "Pegar" chosen in the right button's menu, whose MouseDown and MouseUp have
// run: the clipboard's text pasted at the selection. A locked box offers no
// paste.
bool PasteFromMenu(TextBox& box);
// A left click into an entry box that lands before character `position`, as
// the renderer's widget puts the caret there: MouseDown (the focus moves in
// first), the caret, MouseUp, Click. A press that brings the focus into a box
// whose GotFocus left a selection keeps that selection, as the renderer does.
bool ClickAt(TextEntry& box, int position);
bool Scroll(ScrollBar& bar, int value);
// Scrolls a list so that item `topIndex` (kept within the list) is the first in
// view: TopIndex follows what the person sees; the selection stays.
bool Scroll(ListBox& list, int topIndex);
bool ChooseFolder(FileChooser& chooser, const std::string& path);
bool ChooseFile(FileChooser& chooser, const std::string& name);
// Clicks a row of a grid (its position in the recordset): the grid takes the
// focus, then the shared recordset moves there.
bool ChooseRow(DataGrid& grid, long row);
bool ClickHeader(DataGrid& grid, int col);

}  // namespace user
}  // namespace forms
