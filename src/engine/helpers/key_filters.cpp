#include "engine/helpers/key_filters.h"

namespace vostrel {

namespace {

bool IsDigit(char key) { return key >= '0' && key <= '9'; }

std::string TextWithoutSelection(const EditBoxState& box) {
    std::string text = box.text;
    const auto start = static_cast<std::size_t>(box.selStart);
    if (start <= text.size()) text.erase(start, static_cast<std::size_t>(box.selLength));
    return text;
}

KeyDecision Accept() { return {true, std::nullopt}; }
KeyDecision Reject() { return {false, std::nullopt}; }

// "0 " (or "-0 ") with the space selected, for a "." typed at the very start of a number.
KeyDecision AcceptAfter(std::string text) {
    EditBoxState prepared;
    prepared.selStart = static_cast<int>(text.size()) - 1;
    prepared.selLength = 1;
    prepared.text = std::move(text);
    return {true, prepared};
}

KeyDecision RealKeyFilter(const EditBoxState& box, char key, bool allowMinus) {
    if (IsAllowedControlKey(key)) return Accept();
    if (IsDigit(key) || key == ',' || key == 'E' || key == 'e') return Accept();
    if (key == '-') {
        if (!allowMinus || box.selStart != 0) return Reject();
        return Accept();
    }
    if (key == '.') {
        if (TextWithoutSelection(box).find('.') != std::string::npos) return Reject();
        if (box.text.empty()) return AcceptAfter("0 ");
        if (allowMinus && box.text == "-") return AcceptAfter("-0 ");
        return Accept();
    }
    return Reject();
}

}  // namespace

bool IsAllowedControlKey(char key) { return key == 3 || key == 8 || key == 22 || key == 24; }

KeyDecision SignedRealKeyFilter(const EditBoxState& box, char key) {
    return RealKeyFilter(box, key, true);
}

KeyDecision UnsignedRealKeyFilter(const EditBoxState& box, char key) {
    return RealKeyFilter(box, key, false);
}

KeyDecision ComboRealKeyFilter(const EditBoxState& box, char key) {
    if (IsAllowedControlKey(key) || IsDigit(key)) return Accept();
    if (key != '.') return Reject();
    if (TextWithoutSelection(box).find('.') != std::string::npos) return Reject();
    if (box.text.empty()) return AcceptAfter("0 ");
    return Accept();
}

KeyDecision IntegerKeyFilter(char key) {
    return IsAllowedControlKey(key) || IsDigit(key) ? Accept() : Reject();
}

KeyDecision NumberListKeyFilter(char key) {
    const bool listCharacter = IsDigit(key) || key == '.' || key == ',' || key == ' ' || key == 8;
    return listCharacter ? Accept() : Reject();
}

KeyDecision FilterKey(KeyFilterKind kind, const EditBoxState& box, char key) {
    switch (kind) {
        case KeyFilterKind::SignedReal:
            return SignedRealKeyFilter(box, key);
        case KeyFilterKind::UnsignedReal:
            return UnsignedRealKeyFilter(box, key);
        case KeyFilterKind::ComboReal:
            return ComboRealKeyFilter(box, key);
        case KeyFilterKind::Integer:
            return IntegerKeyFilter(key);
        case KeyFilterKind::NumberList:
            return NumberListKeyFilter(key);
    }
    return Reject();
}

bool TextFitsKeyFilter(KeyFilterKind kind, std::string_view text) {
    std::string_view allowed;
    switch (kind) {
        case KeyFilterKind::SignedReal:
            allowed = "0123456789.,-Ee";
            break;
        case KeyFilterKind::UnsignedReal:
            allowed = "0123456789.,Ee";
            break;
        case KeyFilterKind::ComboReal:
            allowed = "0123456789.";
            break;
        case KeyFilterKind::Integer:
            allowed = "0123456789";
            break;
        case KeyFilterKind::NumberList:
            allowed = "0123456789., ";
            break;
    }
    for (char c : text)
        if (allowed.find(c) == std::string_view::npos) return false;
    return true;
}

}  // namespace vostrel
