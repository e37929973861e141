#include "tests/support/RenameRun.h"

#include "platform/SyncedFolder.h"
#include "tests/support/TestDir.h"

#include <QFile>

namespace renametest {

namespace {

QByteArray oldName(const QByteArray& pair)
{
    return pair.left(pair.indexOf('>'));
}

QByteArray newName(const QByteArray& pair)
{
    return pair.mid(pair.indexOf('>') + 1);
}

} // namespace

bool createFiles(TestDir& dir, const QByteArrayList& pairs)
{
    for (const QByteArray& pair : pairs) {
        if (!dir.createRawFile(oldName(pair), "content of " + oldName(pair)))
            return false;
    }
    return true;
}

std::vector<renaming::RenameRequest> requestsOf(const QByteArray& path, const QByteArrayList& pairs)
{
    const platform::SyncedFolder folder(path);
    std::vector<renaming::RenameRequest> requests;
    for (const QByteArray& pair : pairs) {
        platform::FileStat st;
        folder.stat(oldName(pair), &st);
        requests.push_back({oldName(pair), newName(pair), st.size, st.mtimeNsec});
    }
    return requests;
}

QMap<QByteArray, QByteArray> snapshot(const QByteArray& path)
{
    QMap<QByteArray, QByteArray> files;
    const platform::SyncedFolder folder(path);
    std::vector<QByteArray> names;
    folder.readNames(&names);
    for (const QByteArray& name : names) {
        QFile file(QFile::decodeName(path + '/' + name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

QMap<QByteArray, QByteArray> placed(const QByteArrayList& pairs, bool atNew)
{
    QMap<QByteArray, QByteArray> files;
    for (const QByteArray& pair : pairs)
        files.insert(atNew ? newName(pair) : oldName(pair), "content of " + oldName(pair));
    return files;
}

} // namespace renametest
