#pragma once

#include <QByteArray>

#include <functional>
#include <string_view>
#include <vector>

namespace renaming {

// The standard library's string hash: several times faster than qHash on the short names of a
// folder, and a run of 10,000 rows hashes each name a few times.
struct NameHash
{
    size_t operator()(const QByteArray& name) const
    {
        return std::hash<std::string_view>()(
            std::string_view(name.constData(), size_t(name.size())));
    }
};

// A set of names held as positions in the caller's vector of names, in one flat table with open
// addressing: filling it allocates once, and a lookup reads a slot or two where a node-based
// set reads a bucket, a node and the name. A check of tens of thousands of rows runs on every
// preview change, so this is where its time goes. The vector is passed to each call, so an
// index can be copied or moved along with it.
class NameIndex
{
public:
    NameIndex() = default;
    // Room for `count` names; a default index holds none and takes none.
    explicit NameIndex(size_t count);

    // Files `names[position]` when no equal name is filed yet; returns the position filed for
    // the name.
    int insert(const std::vector<QByteArray>& names, int position);
    // The position filed for a name equal to `name`, or -1.
    int find(const std::vector<QByteArray>& names, const QByteArray& name) const;

private:
    struct Slot
    {
        size_t hash = 0;
        int position = -1;
    };

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
};

} // namespace renaming
