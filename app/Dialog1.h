#pragma once

#include <QDialog>

class QLabel;

// The about dialog: the program's name, version and the maker's web address in the current
// language, applied each time the dialog is shown or becomes active. The address is a link to
// the program's page.
class TOKBottomDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);

    void FormActivate();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_staticText1;
    QLabel* m_staticText2;
    QLabel* m_staticText3;
};
