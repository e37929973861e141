#include "core/NameEscape.h"

namespace nameescape {

namespace {

// The lead bytes of the valid UTF-8 sequences with the range their second byte must fall in:
// the narrow ranges exclude overlong forms, surrogates and code points past U+10FFFF.
struct LeadRange
{
    unsigned char first;
    unsigned char last;
    int length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

constexpr LeadRange LeadRanges[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

unsigned char byteAt(const QByteArray& bytes, qsizetype pos)
{
    return static_cast<unsigned char>(bytes.at(pos));
}

// The length of the valid multi-byte UTF-8 sequence at `pos`; 0 when none starts there.
int multiByteLength(const QByteArray& bytes, qsizetype pos)
{
    const unsigned char lead = byteAt(bytes, pos);
    for (const LeadRange& range : LeadRanges) {
        if (lead < range.first || lead > range.last)
            continue;
        if (pos + range.length > bytes.size())
            return 0;
        const unsigned char second = byteAt(bytes, pos + 1);
        if (second < range.secondLow || second > range.secondHigh)
            return 0;
        for (int i = 2; i < range.length; ++i) {
            if ((byteAt(bytes, pos + i) & 0xC0) != 0x80)
                return 0;
        }
        return range.length;
    }
    return 0;
}

void appendHex(QByteArray& out, unsigned char byte)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    out.append("\\x").append(Digits[byte >> 4]).append(Digits[byte & 0x0F]);
}

} // namespace

QString escaped(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype pos = 0; pos < bytes.size();) {
        const unsigned char byte = byteAt(bytes, pos);
        if (byte == '\t') {
            out.append("\\t");
        } else if (byte == '\n') {
            out.append("\\n");
        } else if (byte == '\\') {
            out.append("\\\\");
        } else if (byte < 0x20 || byte == 0x7F) {
            appendHex(out, byte);
        } else if (byte >= 0x80) {
            const int length = multiByteLength(bytes, pos);
            if (length > 0) {
                out.append(bytes.mid(pos, length));
                pos += length;
                continue;
            }
            appendHex(out, byte);
        } else {
            out.append(char(byte));
        }
        ++pos;
    }
    return QString::fromUtf8(out);
}

} // namespace nameescape
