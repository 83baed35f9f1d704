#pragma once
#include <string>
#include <vector>

#include "platform/forms/text_entry.h"

namespace forms {

// An entry box with a mask such as "99/99/9999" or "##/####": the text always
// holds the mask's literals, and the prompt character ("_") in every position
// not filled, so the empty date box reads "__/__/____". Placeholders: 9 and #
// digits, ? letters, A and a letters or digits, & and C any character; "\"
// makes the next mask character a literal. Writing a text that does not fit the
// mask raises error 380. Writing a different text runs Change at once; typing
// fills the next position, and a character the position refuses raises
// ValidationError instead.
class MaskedEdit : public TextEntry {
 public:
  MaskedEdit(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "MaskedEdit"; }

  const std::string& Mask() const { return props_->mask; }
  // A new mask empties the box to its prompt characters.
  void SetMask(std::string mask);
  const std::string& PromptChar() const { return props_->promptChar; }
  void SetPromptChar(std::string promptChar);
  void SetText(std::string text);
  // The characters entered, without literals and prompt characters.
  std::string ClipText() const;
  int MaxLength() const;

  Event<std::string&, int&> ValidationError;

 protected:
  void OnUserChar(int keyAscii) override;
  void OnUserKey(int keyCode, int shift) override;

 private:
  // One position of the mask: a literal character or a placeholder.
  struct Slot {
    char32_t literal = 0;
    char32_t placeholder = 0;
    int caseChange = 0;
  };
  struct Props {
    std::string mask;
    std::string promptChar = "_";
  };

  std::vector<Slot> Positions() const;
  std::u32string EmptyText() const;
  bool Fits(const std::u32string& text) const;
  static bool Accepts(const Slot& slot, char32_t ch);
  void Type(char32_t ch);
  void Erase(int from, int to);
  char32_t Prompt() const;

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
