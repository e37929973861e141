#pragma once

#include <QString>

class QWidget;

// The program's two kinds of message box. Titles and button texts are French in both interface
// languages; only the message follows the language.
namespace messageboxes {

inline constexpr char16_t WarningTitle[] = u"Avertissement";
inline constexpr char16_t ConfirmationTitle[] = u"Confirmation";

// Exclamation icon, one "OK" button.
void showWarning(QWidget* parent, const QString& message);
// Question icon, "&Oui" (the default) and "&Non" (Escape); true only for Oui.
bool askConfirmation(QWidget* parent, const QString& message);
// The error box of the application's handler: the failure's message and one "OK" button.
void showError(QWidget* parent, const QString& message);

} // namespace messageboxes
