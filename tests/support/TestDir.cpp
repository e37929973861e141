#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <ftw.h>

namespace {

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return std::remove(path);
}

} // namespace

QByteArray readRaw(const QByteArray& path)
{
    QByteArray bytes;
    if (FILE* f = std::fopen(path.constData(), "rb")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            bytes.append(buffer, qsizetype(got));
        std::fclose(f);
    }
    return bytes;
}

TestDir::TestDir() = default;

// Removed on raw bytes first: QTemporaryDir cannot remove a name that is not valid UTF-8.
TestDir::~TestDir()
{
    if (m_dir.isValid())
        ::nftw(pathBytes().constData(), removeEntry, 32, FTW_DEPTH | FTW_PHYS);
}

QByteArray TestDir::pathBytes() const
{
    return QFile::encodeName(m_dir.path());
}

bool TestDir::createFile(const QString& name, const QByteArray& bytes)
{
    const QString full = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

bool TestDir::createRawFile(const QByteArray& name, const QByteArray& bytes)
{
    const QByteArray full = pathBytes() + '/' + name;
    FILE* f = std::fopen(full.constData(), "wb");
    if (!f)
        return false;
    const bool ok =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    return std::fclose(f) == 0 && ok;
}

bool TestDir::createDir(const QString& name)
{
    return QDir(m_dir.path()).mkpath(name);
}

bool TestDir::exists(const QString& name) const
{
    return QFileInfo::exists(m_dir.filePath(name));
}

QByteArray TestDir::read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
