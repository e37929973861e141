#include "tests/support/SpinEditKeys.h"

#include "app/SpinEdit.h"

#include <QTest>

void typeInto(SpinEdit* box, const QString& keys)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, keys);
}
