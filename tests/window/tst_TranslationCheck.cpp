// The check of a translation from outside the build: every one-byte change of a real translation
// is refused, or Qt's translator looks up every text in it without reading past its end; and the
// faults no such change makes (a table without buckets, other files to load).
#include "TranslationCheck.h"

#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/mman.h>
#include <unistd.h>

using namespace pellitor;

namespace {

// The pairs of context and source text of a translation, from its Qt Linguist source.
QList<std::pair<QByteArray, QByteArray>> keys(const QString& path)
{
    QFile file(path);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    QList<std::pair<QByteArray, QByteArray>> found;
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.isStartElement() && xml.name() == u"source")
            found.append({context, xml.readElementText().toUtf8()});
    }
    return found;
}

} // namespace

class tst_TranslationCheck : public QObject {
    Q_OBJECT

private slots:
    // The file sits right before a page that cannot be read: a lookup past its end crashes.
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
                QTranslator translator;
                if (!translationCheck::structuralFault(QByteArrayView(data, original.size())).isEmpty())
                    ++refused;
                else if (translator.load(reinterpret_cast<const uchar*>(data), int(original.size())))
                    for (const auto& [context, source] : keyList)
                        translator.translate(context.constData(), source.constData(), nullptr, 1);
            }
        }
        munmap(base, room + page);
        QVERIFY(refused > 0);
    }

    // Sections as hex (a tag, a 4-byte length, the bytes): a hash table of one entry, the messages.
    void faults_data()
    {
        QTest::addColumn<QByteArray>("sections");
        QTest::addColumn<QString>("fault");
        const QByteArray entry = "4200000008000000010000000069000000";
        QTest::newRow("no context buckets") << QByteArray("2f000000020000") << "its context table has no buckets";
        QTest::newRow("other files named") << QByteArray("9600000001ff") << "it names other files to load with it";
        QTest::newRow("an untranslated form") << entry + "0603ffffffff01"
                                              << "";
        QTest::newRow("a text that runs back") << entry + "0603fffffff001"
                                               << "a message's text runs past its section";
        QTest::newRow("an empty comment last") << entry + "050800000000"
                                               << "a message's text runs past its section";
    }
    void faults()
    {
        QFETCH(QByteArray, sections);
        QFETCH(QString, fault);
        QCOMPARE(translationCheck::structuralFault(QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd" + sections)),
                 fault);
    }
};

QTEST_MAIN(tst_TranslationCheck)
#include "tst_TranslationCheck.moc"
