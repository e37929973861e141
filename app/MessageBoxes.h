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
// A warning whose long part goes to the box's details (scrollable, copyable), so the box keeps
// the size of its message; without details it is showWarning.
void showReport(QWidget* parent, const QString& message, const QString& details);
// Question icon, "&Oui" (the default) and "&Non" (Escape); true only for Oui.
bool askConfirmation(QWidget* parent, const QString& message);
// The error box of the application's handler: the failure's message and one "OK" button.
void showError(QWidget* parent, const QString& message);

} // namespace messageboxes
