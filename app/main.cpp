#include "app/Dialog1.h"
#include "app/ErrorReportingApplication.h"
#include "app/Main.h"
#include "app/ProgessBar.h"
#include "app/Unit2.h"

int main(int argc, char* argv[])
{
    ErrorReportingApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());

    TForm1 form1;
    TOKBottomDlg okBottomDlg;
    TForm2 form2;
    TOKBottomDlg1 okBottomDlg1;
    form1.setAboutDialog(&okBottomDlg);

    form1.showMaximized();
    return QApplication::exec();
}
