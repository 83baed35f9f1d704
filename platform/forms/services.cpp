#include "platform/forms/services.h"

#include <algorithm>
#include <cctype>

#include "platform/forms/form.h"
#include "platform/forms/input.h"
#include "platform/forms/user.h"
#include "platform/vb/app.h"
#include "platform/vb/encoding.h"

namespace forms {

int MsgBox(const std::string& prompt, int style, const std::string& title) {
  return detail::RequireHost().MsgBox(prompt, style, title.empty() ? vb::App::Title() : title);
}

int DoEvents() {
  auto& app = detail::App();
  app.BackInLoop();
  if (app.host) app.host->DoEvents();
  return static_cast<int>(app.loaded.size());
}

bool InMessageLoop() {
  auto& app = detail::App();
  return app.depth == app.loopDepth.back();
}

namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

Keystroke NamedKey(const std::string& name) {
  std::string key = Upper(name);
  if (key == "TAB") return {vbKeyTab, 0, 0};
  if (key == "ENTER") return {vbKeyReturn, 0, 13};
  if (key == "ESC" || key == "ESCAPE") return {vbKeyEscape, 0, 27};
  if (key == "BACKSPACE" || key == "BS" || key == "BKSP") return {vbKeyBack, 0, 8};
  if (key == "DELETE" || key == "DEL") return {vbKeyDelete, 0, 0};
  if (key == "INSERT" || key == "INS") return {vbKeyInsert, 0, 0};
  if (key == "HOME") return {vbKeyHome, 0, 0};
  if (key == "END") return {vbKeyEnd, 0, 0};
  if (key == "LEFT") return {vbKeyLeft, 0, 0};
  if (key == "RIGHT") return {vbKeyRight, 0, 0};
  if (key == "UP") return {vbKeyUp, 0, 0};
  if (key == "DOWN") return {vbKeyDown, 0, 0};
  if (key.size() >= 2 && key[0] == 'F' && std::isdigit(static_cast<unsigned char>(key[1]))) {
    return {vbKeyF1 + std::stoi(key.substr(1)) - 1, 0, 0};
  }
  if (vb::DecodeUtf8(name).size() == 1) return KeystrokeFor(vb::DecodeUtf8(name)[0]);
  return {};
}

}  // namespace

std::vector<Keystroke> ParseKeys(const std::string& keys) {
  std::vector<Keystroke> strokes;
  std::u32string text = vb::DecodeUtf8(keys);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'{') {
      std::size_t close = text.find(U'}', i + 2);
      if (close != std::u32string::npos) {
        Keystroke key = NamedKey(vb::EncodeUtf8(text.substr(i + 1, close - i - 1)));
        if (key.keyCode || key.keyAscii) strokes.push_back(key);
        i = close;
        continue;
      }
    }
    strokes.push_back(text[i] == U'~' ? Keystroke{vbKeyReturn, 0, 13} : KeystrokeFor(text[i]));
  }
  return strokes;
}

void SendKeys(const std::string& keys, bool wait) {
  auto& app = detail::App();
  for (const Keystroke& key : ParseKeys(keys)) app.input.push_back(key);
  if (wait) app.BackInLoop();
}

int TextWidth(const std::string& text, const Font& font) { return detail::RequireHost().TextWidth(text, font); }

void ShowHelp(const std::string& file, int command, long context) {
  detail::RequireHost().ShowHelp(HelpRequest{file, command, context});
}

int ScreenObject::MousePointer() const { return detail::App().mousePointer; }

void ScreenObject::SetMousePointer(int pointer) {
  auto& app = detail::App();
  if (app.mousePointer == pointer) return;
  app.mousePointer = pointer;
  if (app.host) app.host->MousePointerChanged(pointer);
}

Form* ScreenObject::ActiveForm() const { return detail::App().active; }

Control* ScreenObject::ActiveControl() const {
  Form* form = ActiveForm();
  return form ? form->ActiveControl() : nullptr;
}

void ClipboardObject::Clear() { detail::RequireHost().SetClipboardText(""); }
std::string ClipboardObject::GetText() const { return detail::RequireHost().ClipboardText(); }
void ClipboardObject::SetText(const std::string& text) {
  detail::RequireHost().SetClipboardText(text);
}

const std::vector<Form*>& Forms() { return detail::App().loaded; }

bool IsLoaded(const Form* form) { return std::ranges::find(Forms(), form) != Forms().end(); }

void ResetApplication() {
  auto& app = detail::App();
  app.released.clear();
  app.defaults.clear();
  app.loaded.clear();
  app.shown.clear();
  app.modal.clear();
  app.active = nullptr;
  app.depth = 0;
  app.loopDepth = {0};
  app.input.clear();
  app.pumping = false;
  app.mousePointer = vbDefault;
}

}  // namespace forms
