#pragma once

#include "explorer/VxConsts.h"

// The storage of the text sets: one array of 72 UTF-8 texts per language, in key order.
namespace vxconsts {

inline constexpr int TextCount = 72;
using TextSet = const char* const[TextCount];

extern TextSet EnglishTexts;
extern TextSet FrenchTexts;
extern TextSet DutchTexts;
extern TextSet GermanTexts;
extern TextSet ItalianTexts;
extern TextSet PortugueseTexts;
extern TextSet SpanishTexts;
extern TextSet PolishTexts;
extern TextSet SlovenianTexts;
extern TextSet SlovakTexts;
extern TextSet ChineseTraditionalTexts;
extern TextSet ChineseSimplifiedTexts;
extern TextSet JapaneseTexts;

// The keys after the 72 of the sets above, in French and English only.
inline constexpr int OwnTextCount = int(VxLastKey) - TextCount;
using OwnTextSet = const char* const[OwnTextCount];

extern OwnTextSet EnglishOwnTexts;
extern OwnTextSet FrenchOwnTexts;

} // namespace vxconsts
