#pragma once

#include "explorer/VxFilelistView28.h"

#include <QAbstractItemModelTester>
#include <QStringList>

#include <memory>

// A file list view as the main window sets it up, with a model tester watching every change.
struct FileListFixture
{
    FileListFixture();

    TVxFilelistView28 view;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

// The captions of the view's rows, in display order.
QStringList captions(const TVxFilelistView28& view);
