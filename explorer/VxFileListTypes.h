#pragma once

#include <QtGlobal>

#include <initializer_list>

// The attribute kinds the file list view can be told to show.
enum TFileAttr : quint8
{
    ftReadOnly,
    ftHidden,
    ftSystem,
    ftArchive,
    ftNormal
};

// A set of TFileAttr held in one byte, bit n standing for member n.
class TFileType
{
public:
    constexpr TFileType() = default;
    constexpr TFileType(std::initializer_list<TFileAttr> members)
    {
        for (const TFileAttr member : members)
            m_bits = quint8(m_bits | (1u << member));
    }
    static constexpr TFileType fromByte(quint8 bits)
    {
        TFileType type;
        type.m_bits = quint8(bits & 0x1f);
        return type;
    }

    constexpr bool contains(TFileAttr member) const { return (m_bits >> member) & 1u; }
    constexpr quint8 toByte() const { return m_bits; }

    // The file attribute bits of the members: 0x01, 0x02, 0x04, 0x20 and 0x80.
    constexpr quint32 attributeMask() const
    {
        quint32 mask = 0;
        if (contains(ftReadOnly))
            mask |= 0x01;
        if (contains(ftHidden))
            mask |= 0x02;
        if (contains(ftSystem))
            mask |= 0x04;
        if (contains(ftArchive))
            mask |= 0x20;
        if (contains(ftNormal))
            mask |= 0x80;
        return mask;
    }

    friend constexpr bool operator==(TFileType a, TFileType b) { return a.m_bits == b.m_bits; }
    friend constexpr bool operator!=(TFileType a, TFileType b) { return a.m_bits != b.m_bits; }

private:
    quint8 m_bits = 0;
};

// The unit of a file row's size text.
enum TFileSize : quint8
{
    fsKB,
    fsByte
};
