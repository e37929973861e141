#include "core/rename/NameIndex.h"

namespace renaming {

NameIndex::NameIndex(size_t count)
{
    // At most half full, so a probe ends after a slot or two.
    size_t size = 16;
    while (size < 2 * count)
        size *= 2;
    m_slots.resize(size);
    m_mask = size - 1;
}

int NameIndex::insert(const std::vector<QByteArray>& names, int position)
{
    Q_ASSERT(!m_slots.empty());
    const QByteArray& name = names[size_t(position)];
    const size_t hash = NameHash()(name);
    for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        Slot& slot = m_slots[i];
        if (slot.position < 0) {
            slot = {hash, position};
            return position;
        }
        if (slot.hash == hash && names[size_t(slot.position)] == name)
            return slot.position;
    }
}

int NameIndex::find(const std::vector<QByteArray>& names, const QByteArray& name) const
{
    if (m_slots.empty())
        return -1;
    const size_t hash = NameHash()(name);
    for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        const Slot& slot = m_slots[i];
        if (slot.position < 0)
            return -1;
        if (slot.hash == hash && names[size_t(slot.position)] == name)
            return slot.position;
    }
}

} // namespace renaming
