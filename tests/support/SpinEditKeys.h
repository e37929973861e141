#pragma once

#include <QString>

class SpinEdit;

// Focuses the box, empties it with Ctrl+A and Delete, and types `keys`, as a user does.
void typeInto(SpinEdit* box, const QString& keys);
