#pragma once
// The aircraft type split into its head ("Ми-8") and its suffix ("АМТ"), as
// the registers print the type in two columns. The forms state two rules:
//
// - splitTypeMi8 (airframe register form and research institute annex):
//   only a type containing "Ми-8" is split, at the last digit of its first
//   run of digits; an empty suffix becomes "Т". Any other type is the head
//   whole, with no suffix written (hasSuffix false).
// - splitTypeAny (regional authority form): every type is split the same way
//   ("Ка-32А11ВС" -> "Ка-32", "А11ВС"); an empty suffix becomes "Т"; a type
//   without a digit has an empty head and is the suffix whole.
#include <QString>

namespace plan::frames {

struct TypeSplit {
    QString head;
    QString suffix;
    bool hasSuffix = true;
    bool operator==(const TypeSplit&) const = default;
};

TypeSplit splitTypeMi8(const QString& type);
TypeSplit splitTypeAny(const QString& type);

} // namespace plan::frames
