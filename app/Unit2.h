#pragma once

#include <QWidget>

// An empty form, created at start-up and never shown.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};
