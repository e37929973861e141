#include "platform/PathSegment.h"

namespace platform {

QByteArray lastSegment(const QByteArray& path)
{
    QByteArray clean = path;
    while (clean.size() > 1 && clean.endsWith('/'))
        clean.chop(1);
    return clean.mid(clean.lastIndexOf('/') + 1);
}

} // namespace platform
