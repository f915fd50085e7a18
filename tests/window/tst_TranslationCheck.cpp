// The check of a translation from outside the build: files made byte by byte, each with one fault
// that would lead Qt's translator outside the file, and every one-byte change of a real
// translation, either refused or read by Qt's translator without a byte past its end.
#include "TranslationCheck.h"

#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/mman.h>
#include <unistd.h>

using namespace pellitor;

namespace {

QByteArray be32(quint32 value)
{
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

QByteArray section(char tag, const QByteArray& bytes)
{
    return tag + be32(quint32(bytes.size())) + bytes;
}

QByteArray field(char tag, const QByteArray& bytes)
{
    return tag + be32(quint32(bytes.size())) + bytes;
}

// A file of magic and sections.
QByteArray qm(const QList<QByteArray>& sections)
{
    QByteArray file = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    for (const QByteArray& s : sections)
        file += s;
    return file;
}

// The hash a lookup of source (and no comment) searches for.
quint32 elfHash(const QByteArray& source)
{
    quint32 h = 0;
    for (const char c : source) {
        h = (h << 4) + uchar(c);
        if (const quint32 g = h & 0xf0000000)
            h ^= g >> 24;
        h &= ~0xf0000000u;
    }
    return h ? h : 1;
}

// "ctx"/"Calculate" translated as "Be": one context, one hash entry, one message.
const QByteArray Context = QByteArray::fromHex("0001"
                                               "0001"
                                               "0000"
                                               "03")
                           + "ctx" + '\0';
const QByteArray Entry = be32(elfHash("Calculate")) + be32(0);
const QByteArray Message = field(3, QByteArray("\0B\0e", 4)) + field(6, "Calculate") + field(7, "ctx") + '\1';

// The pairs of context and source text that a translation holds, from its Qt Linguist source.
QList<std::pair<QByteArray, QByteArray>> keys(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<std::pair<QByteArray, QByteArray>> found;
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.name() == u"source")
            found.append({context, xml.readElementText().toUtf8()});
    }
    return found;
}

} // namespace

class tst_TranslationCheck : public QObject {
    Q_OBJECT

private slots:
    void faults_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("fault");
        const QByteArray hashes = section(0x42, Entry);
        QTest::newRow("whole") << qm({section(0x2f, Context), hashes, section(0x69, Message)}) << "";
        QTest::newRow("no magic") << QByteArray(40, 'x') << "it is not a Qt translation file";
        QTest::newRow("a section past the end")
            << qm({hashes, section(0x69, Message)}).chopped(1) << "a section runs past the end of the file";
        QTest::newRow("other files named")
            << qm({section(char(0x96), "x"), hashes, section(0x69, Message)}) << "it names other files to load with it";
        QTest::newRow("no context buckets") << qm({section(0x2f, QByteArray(2, 0)), hashes, section(0x69, Message)})
                                            << "its context table has no buckets";
        QTest::newRow("a context chain past its section")
            << qm({section(0x2f, Context.chopped(1)), hashes, section(0x69, Message)})
            << "a chain of its context table runs past its section";
        QTest::newRow("a hash table that ends inside an entry")
            << qm({section(0x42, Entry + be32(1)), section(0x69, Message)}) << "its hash table ends inside an entry";
        QTest::newRow("an entry past the messages") << qm({section(0x42, be32(1) + be32(40)), section(0x69, Message)})
                                                    << "a hash entry points past the messages";
        QTest::newRow("a text past the message") << qm({hashes, section(0x69, field(6, "Calculate").chopped(2))})
                                                 << "a message's text runs past its section";
        QTest::newRow("a negative length")
            << qm({hashes, section(0x69, '\3' + be32(0x80000000) + '\1')}) << "a message's text runs past its section";
        QTest::newRow("a form left untranslated") << qm({hashes, section(0x69, '\3' + be32(0xFFFFFFFF) + '\1')}) << "";
        QTest::newRow("an empty comment last") << qm({hashes, section(0x69, '\6' + be32(0) + '\10' + be32(0))})
                                               << "a message's text runs past its section";
    }
    void faults()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, fault);
        QCOMPARE(translationCheck::structuralFault(file), fault);
        if (fault.isEmpty()) {
            QTranslator translator;
            QVERIFY(translator.load(reinterpret_cast<const uchar*>(file.constData()), int(file.size())));
            QCOMPARE(translator.translate("ctx", "Calculate"),
                     QTest::currentDataTag() == QByteArray("whole") ? "Be" : "");
        }
    }

    // The file sits right before a page that cannot be read, so that a lookup reading past its
    // end crashes the test.
    void everyByteChanged()
    {
        QFile file(QCoreApplication::applicationDirPath() + "/translations/pellitor_de.qm");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        const auto keyList = keys(QStringLiteral(TRANSLATION_SOURCE));
        QVERIFY(keyList.size() > 50);
        QCOMPARE(translationCheck::structuralFault(original), QString());
        const qsizetype page = sysconf(_SC_PAGESIZE);
        const qsizetype room = (original.size() + page - 1) / page * page;
        auto* base = static_cast<char*>(
            mmap(nullptr, room + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        QVERIFY(base != MAP_FAILED && mprotect(base + room, page, PROT_NONE) == 0);
        char* data = base + room - original.size();
        int refused = 0;
        for (qsizetype at = 0; at < original.size(); ++at) {
            for (const char value : {char(original[at] ^ 0xFF), char(0xF3)}) {
                memcpy(data, original.constData(), original.size());
                data[at] = value;
                if (!translationCheck::structuralFault(QByteArrayView(data, original.size())).isEmpty()) {
                    ++refused;
                    continue;
                }
                QTranslator translator;
                if (translator.load(reinterpret_cast<const uchar*>(data), int(original.size())))
                    for (const auto& [context, source] : keyList)
                        translator.translate(context.constData(), source.constData(), nullptr, 1);
            }
        }
        munmap(base, room + page);
        QVERIFY(refused > 0);
    }
};

QTEST_MAIN(tst_TranslationCheck)
#include "tst_TranslationCheck.moc"
