#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

// The bytes of the file at `path`, a path of file system bytes (QFile would re-encode a name
// that is not valid UTF-8); empty when it cannot be read.
QByteArray readRaw(const QByteArray& path);

// A real temporary folder for tests: files and folders are created on disk.
class TestDir
{
public:
    TestDir();
    ~TestDir();
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QByteArray pathBytes() const;
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Creates (or replaces) a file with the given content; the name may hold folders.
    bool createFile(const QString& name, const QByteArray& bytes = QByteArray());
    // Creates a file whose name is raw bytes (for names that are not valid UTF-8).
    bool createRawFile(const QByteArray& name, const QByteArray& bytes = QByteArray());
    bool createDir(const QString& name);
    bool exists(const QString& name) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};
