// The two checks of a translation file: the build's digest, and the structure that Qt's
// translator walks.
//
// A .qm file is a 16-byte magic number and then sections, each a tag byte, a 4-byte big-endian
// length and that many bytes; the translator stops at a tag or length of 0. A lookup reads the
// context table (a 2-byte bucket count, 2-byte bucket offsets, and chains of length-prefixed
// names ending in a 0), binary-searches the hash table (8-byte entries: a hash and an offset into
// the messages) and reads the message at each matching entry field by field (a tag byte; for a
// text a 4-byte length and the text) up to its end tag.
#include "TranslationCheck.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace pellitor::translationCheck {

namespace {

constexpr std::array<std::uint8_t, 16> Magic{0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                             0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum Section : std::uint8_t { Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, Dependencies = 0x96 };
enum Field : std::uint8_t {
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

// A section's bytes, read only through checked positions.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(QByteArrayView data) : m_data(data) {}
    qsizetype size() const { return m_data.size(); }
    bool holds(qsizetype at, qsizetype count) const { return at >= 0 && count >= 0 && count <= size() - at; }
    std::uint32_t byte(qsizetype at) const { return std::uint8_t(m_data[at]); }
    std::uint32_t read16(qsizetype at) const { return byte(at) << 8 | byte(at + 1); }
    std::uint32_t read32(qsizetype at) const { return read16(at) << 16 | read16(at + 2); }

private:
    QByteArrayView m_data;
};

QString contextsFault(const Bytes& contexts)
{
    if (contexts.size() == 0)
        return {};
    if (!contexts.holds(0, 2) || contexts.read16(0) == 0)
        return QStringLiteral("its context table has no buckets");
    const qsizetype buckets = contexts.read16(0);
    const qsizetype chains = 2 + 2 * buckets;
    if (!contexts.holds(0, chains))
        return QStringLiteral("its context table runs past its section");
    for (qsizetype bucket = 0; bucket < buckets; ++bucket) {
        const std::uint32_t offset = contexts.read16(2 + 2 * bucket);
        if (offset == 0)
            continue;
        // A chain of names, each a length byte and that many bytes, ends with a length of 0.
        for (qsizetype at = chains + 2 * qsizetype(offset);;) {
            if (!contexts.holds(at, 1))
                return QStringLiteral("a chain of its context table runs past its section");
            const qsizetype length = contexts.byte(at++);
            if (length == 0)
                break;
            if (!contexts.holds(at, length))
                return QStringLiteral("a context name runs past its section");
            at += length;
        }
    }
    return {};
}

// Walks the message at offset as a lookup reads it. The fields from which a walk already ended
// well are marked in safe, so that each byte is walked once however many entries lead into it.
QString messageFault(const Bytes& messages, qsizetype offset, std::vector<bool>& safe)
{
    std::vector<qsizetype> walked;
    for (qsizetype at = offset; at < messages.size() && !safe[std::size_t(at)];) {
        walked.push_back(at);
        const std::uint32_t field = messages.byte(at++);
        if (field == End)
            break;
        if (field == Obsolete1) {
            at += 4;
            continue;
        }
        if (field != Translation && field != SourceText && field != Context && field != Comment)
            break; // a lookup gives up on a field it does not know, and reads no further
        if (!messages.holds(at, 4))
            return QStringLiteral("a message's length runs past its section");
        const std::uint32_t length = messages.read32(at);
        at += 4;
        // A translation's length is read as a signed number: -1 marks a form left untranslated,
        // and from -1 to -4 a lookup steps back onto the length's own 0xFF bytes and stops there.
        // Any other negative length would send it back to where it pleases.
        if (field == Translation && length >= 0xFFFFFFFCu)
            break;
        // A comment's first byte is read even when it is empty.
        const qsizetype read = field == Comment && length == 0 ? 1 : qsizetype(length);
        if (!messages.holds(at, read))
            return QStringLiteral("a message's text runs past its section");
        at += qsizetype(length);
    }
    for (const qsizetype at : walked)
        safe[std::size_t(at)] = true;
    return {};
}

QString hashesFault(const Bytes& hashes, const Bytes& messages)
{
    if (hashes.size() % 8 != 0)
        return QStringLiteral("its hash table ends inside an entry");
    std::vector<bool> safe(std::size_t(messages.size()), false);
    for (qsizetype entry = 0; entry < hashes.size(); entry += 8) {
        const std::uint32_t offset = hashes.read32(entry + 4);
        if (offset >= std::uint64_t(messages.size()))
            return QStringLiteral("a hash entry points past the messages");
        if (QString fault = messageFault(messages, qsizetype(offset), safe); !fault.isEmpty())
            return fault;
    }
    return {};
}

} // namespace

QString ownFault(const QString& fileName, const QByteArray& data)
{
    const QByteArray expected = builtDigest(fileName);
    if (expected.isEmpty())
        return QStringLiteral("it is not a translation this build made");
    if (QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() != expected)
        return QStringLiteral("it differs from the file this build made");
    return {};
}

QString structuralFault(QByteArrayView data)
{
    if (data.size() > LargestFile)
        return QStringLiteral("it is larger than %1 bytes").arg(LargestFile);
    const Bytes file(data);
    if (!file.holds(0, qsizetype(Magic.size()))
        || !std::equal(Magic.begin(), Magic.end(), data.begin(),
                       [](std::uint8_t m, char c) { return m == std::uint8_t(c); }))
        return QStringLiteral("it is not a Qt translation file");
    Bytes contexts, hashes, messages;
    // Sections as the translator finds them: it stops at a tag or a length of 0, and a later
    // section of a kind takes the place of an earlier one.
    for (qsizetype at = qsizetype(Magic.size()); at < file.size() - 5;) {
        const std::uint32_t tag = file.byte(at);
        const std::uint32_t length = file.read32(at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (!file.holds(at, qsizetype(length)))
            return QStringLiteral("a section runs past the end of the file");
        const Bytes section(data.sliced(at, qsizetype(length)));
        if (tag == Contexts)
            contexts = section;
        else if (tag == Hashes)
            hashes = section;
        else if (tag == Messages)
            messages = section;
        else if (tag == Dependencies)
            return QStringLiteral("it names other files to load with it");
        at += qsizetype(length);
    }
    if (QString fault = contextsFault(contexts); !fault.isEmpty())
        return fault;
    return hashesFault(hashes, messages);
}

} // namespace pellitor::translationCheck
