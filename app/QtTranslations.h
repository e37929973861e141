#pragma once

#include "core/Text.h"

// Qt's own texts (the buttons and labels of its file dialogs) in the interface language: the
// French catalogue of the system's Qt translations is installed on the application while the
// interface is French, and removed for English, where Qt's built-in texts are English already.
namespace qttranslations {

// Returns false when the French catalogue cannot be loaded; Qt's texts then stay English.
bool apply(text::LanguageIndex language);

} // namespace qttranslations
