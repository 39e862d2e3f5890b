#pragma once
// The numeric key filters of the program's edit boxes as plain rules: given the box's
// text, its selection and the typed key, whether the key is taken, and how the text must
// change first. The windows' validators call them; a rejected key beeps.

#include <optional>
#include <string>
#include <string_view>

namespace vostrel {

struct EditBoxState {
    std::string text;
    int selStart = 0;  // caret position, or start of the selection
    int selLength = 0;
};

struct KeyDecision {
    bool accept = false;  // false: discard the key and beep
    // When set, the box takes this text and selection before the key is applied, so that
    // "." typed into an empty box replaces a selected space after "0" and gives "0.".
    std::optional<EditBoxState> prepare;
};

// Keys always allowed: Ctrl+C (3), Backspace (8), Ctrl+V (22), Ctrl+X (24).
bool IsAllowedControlKey(char key);

KeyDecision SignedRealKeyFilter(const EditBoxState& box, char key);
KeyDecision UnsignedRealKeyFilter(const EditBoxState& box, char key);
KeyDecision ComboRealKeyFilter(const EditBoxState& box, char key);
KeyDecision IntegerKeyFilter(char key);
// The value of an "in" / "Not in" condition: digits, ".", ",", space and backspace.
KeyDecision NumberListKeyFilter(char key);

// The filters by kind, so that a window names the one an edit box uses.
enum class KeyFilterKind { SignedReal, UnsignedReal, ComboReal, Integer, NumberList };
KeyDecision FilterKey(KeyFilterKind kind, const EditBoxState& box, char key);
// Whether every character of a text (pasted, say) is one the filter takes.
bool TextFitsKeyFilter(KeyFilterKind kind, std::string_view text);

}  // namespace vostrel
