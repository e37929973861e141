#include "platform/DirEnum.h"

#include "platform/DirStream.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

char foldAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool matchFrom(const char* p, const char* pEnd, const char* n, const char* nEnd)
{
    // Iterative wildcard match with one backtrack point per "*": linear in practice.
    const char* starP = nullptr;
    const char* starN = nullptr;
    while (n < nEnd) {
        // The pattern's "*" is a wildcard before anything else: compared as a letter, it would
        // match a "*" of the name and leave no point to backtrack to.
        if (p < pEnd && *p == '*') {
            starP = ++p;
            starN = n;
        } else if (p < pEnd && (*p == '?' || foldAscii(*p) == foldAscii(*n))) {
            ++p;
            ++n;
        } else if (starP) {
            p = starP;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pEnd && *p == '*')
        ++p;
    return p == pEnd;
}

// The caller's identity, read once per enumeration.
struct Caller
{
    uid_t uid = ::geteuid();
    gid_t gid = ::getegid();
    std::vector<gid_t> groups;

    Caller()
    {
        const int count = ::getgroups(0, nullptr);
        if (count > 0) {
            groups.resize(size_t(count));
            groups.resize(size_t(std::max(0, ::getgroups(count, groups.data()))));
        }
    }

    bool inGroup(gid_t g) const
    {
        return g == gid || std::find(groups.begin(), groups.end(), g) != groups.end();
    }
};

// The write bit of the class (owner, group, others) the caller falls in. Unlike access(), this
// still means something for root, who may write anywhere.
bool writableByMode(const struct stat& st, const Caller& caller)
{
    if (st.st_uid == caller.uid)
        return (st.st_mode & S_IWUSR) != 0;
    if (caller.inGroup(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

quint32 attributesOf(const QByteArray& name, const struct stat& st, bool writable)
{
    quint32 attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= AttrDirectory;
    else
        attributes |= AttrArchive;
    if (!writable)
        attributes |= AttrReadOnly;
    if (name.startsWith('.') && name != "." && name != "..")
        attributes |= AttrHidden;
    if (attributes == 0)
        attributes = AttrNormal;
    return attributes;
}

} // namespace

bool wildcardMatch(const QByteArray& pattern, const QByteArray& name)
{
    return matchFrom(pattern.constData(), pattern.constData() + pattern.size(), name.constData(),
                     name.constData() + name.size());
}

bool enumerateDirectory(const QByteArray& dir, const QByteArray& pattern,
                        std::vector<DirEntry>& out, int* error, std::vector<QByteArray>* allNames)
{
    int ignored = 0;
    int& failure = error ? *error : ignored;
    failure = 0;
    DirStream stream(dir);
    if (!stream.isOpen()) {
        failure = stream.error();
        return false;
    }
    const size_t before = out.size();
    std::vector<QByteArray> names;
    const int dirFd = stream.fd();
    const Caller caller;
    bool whole = true;
    while (const dirent* e = stream.next()) {
        const QByteArray name(e->d_name);
        if (allNames && !isDotEntry(e->d_name))
            names.push_back(name);
        if (!wildcardMatch(pattern, name))
            continue;
        struct stat st;
        // A link is listed as what it points to; a dangling link as itself.
        if (::fstatat(dirFd, e->d_name, &st, 0) != 0 &&
            ::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            // An entry removed since it was read is simply gone; any other failure leaves
            // an entry out that is still there.
            if (errno == ENOENT)
                continue;
            failure = errno;
            whole = false;
            break;
        }
        DirEntry entry;
        entry.name = name;
        entry.attributes = attributesOf(name, st, writableByMode(st, caller));
        entry.size = S_ISDIR(st.st_mode) ? 0 : qint64(st.st_size);
        entry.mtimeNsec = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        entry.special = S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || S_ISCHR(st.st_mode) ||
                        S_ISBLK(st.st_mode);
        out.push_back(std::move(entry));
    }
    if (whole && stream.error() == 0) {
        if (allNames)
            *allNames = std::move(names);
        return true;
    }
    if (whole)
        failure = stream.error();
    // Part of a folder is no listing of it: nothing read is kept.
    out.erase(out.begin() + std::ptrdiff_t(before), out.end());
    return false;
}

bool sameEntry(const QByteArray& a, const QByteArray& b)
{
    struct stat first;
    struct stat second;
    return ::stat(a.constData(), &first) == 0 && ::stat(b.constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString displayName(const QByteArray& nameBytes)
{
    return QString::fromUtf8(nameBytes);
}

QByteArray encodePath(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace platform
