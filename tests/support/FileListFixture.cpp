#include "tests/support/FileListFixture.h"

FileListFixture::FileListFixture()
{
    view.setParentDirEnabled(false);
    view.setShowFolders(false);
    view.setMask(QStringLiteral("*.mp3"));
    tester = std::make_unique<QAbstractItemModelTester>(
        view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

QStringList captions(const TVxFilelistView28& view)
{
    QStringList result;
    for (const ListingRow& row : view.rows())
        result << row.caption();
    return result;
}
