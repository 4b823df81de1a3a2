// The Windows-1252 conversion:
//  - any bytes decode to one character each and encode back to the same bytes;
//  - a text that canEncode() accepts encodes to one byte per character and
//    decodes back to itself; a text it refuses has its characters listed by
//    unencodable(), each once, each from the text;
//  - transliterate() leaves an encodable text alone; every pair it reports
//    replaces a character of the text by an encodable spelling; what it cannot
//    replace is still in its output, so canEncode()/unencodable() report it;
//  - the byte lower-casing table agrees with QString::toLower.
//
// Input: one byte chooses how the rest becomes text (UTF-8, UTF-16, or
// Windows-1252 bytes); the rest is that text.
#include "store/Cp1252.h"
#include "FuzzCheck.h"

#include <QStringList>

namespace {

void checkBytes(QByteArrayView bytes) {
    const QString text = cp1252::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size(), "one character per byte");
    FUZZ_CHECK(cp1252::encode(text) == bytes, "decoded bytes encode back to the same bytes");
    FUZZ_CHECK(cp1252::canEncode(text), "whatever was decoded can be encoded");
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const QString one = cp1252::decode(QByteArrayView(&c, 1));
        const char low = char(cp1252::lower(b));
        FUZZ_CHECK(cp1252::decode(QByteArrayView(&low, 1)) == one.toLower(), "byte lower-casing agrees with toLower");
    }
}

void checkText(const QString& text) {
    const QString missing = cp1252::unencodable(text);
    FUZZ_CHECK(cp1252::canEncode(text) == missing.isEmpty(), "canEncode is 'nothing unencodable'");
    if (missing.isEmpty()) {
        const QByteArray bytes = cp1252::encode(text);
        FUZZ_CHECK(bytes.size() == text.size(), "one byte per character");
        FUZZ_CHECK(cp1252::decode(bytes) == text, "an encodable text comes back unchanged");
    } else {
        // The list is a plain string: a reported lone high surrogate may stand
        // before a reported lone low one, so each code unit is checked alone.
        for (QChar c : missing) {
            FUZZ_CHECK(text.contains(c), "a character reported is in the text");
            if (c.isSurrogate()) continue;
            FUZZ_CHECK(!cp1252::canEncode(QString(c)), "a character reported cannot be encoded");
            FUZZ_CHECK(missing.count(c) == 1, "each character is reported once");
        }
    }

    QStringList replaced;
    const QString spelled = cp1252::transliterate(text, &replaced);
    if (missing.isEmpty()) {
        FUZZ_CHECK(spelled == text && replaced.isEmpty(), "an encodable text is left alone");
    }
    for (const QString& pair : replaced) {
        const qsizetype arrow = pair.indexOf(QStringLiteral(" → "));
        FUZZ_CHECK(arrow > 0, "a pair reads 'letter → spelling'");
        const QString from = pair.left(arrow);
        const QString to = pair.mid(arrow + 3);
        FUZZ_CHECK(text.contains(from) && !cp1252::canEncode(from), "a replaced letter was in the text and unencodable");
        FUZZ_CHECK(!to.isEmpty() && cp1252::canEncode(to), "its spelling can be encoded");
        FUZZ_CHECK(!spelled.contains(from), "a replaced letter is gone from the output");
    }
    const QString left = cp1252::unencodable(spelled);
    for (QChar c : left) FUZZ_CHECK(text.contains(c), "what is left unencodable came from the text");
    if (left.isEmpty()) FUZZ_CHECK(cp1252::decode(cp1252::encode(spelled)) == spelled, "the spelling is stored as it is");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const qsizetype n = qsizetype(size - 1);
    switch (data[0] % 3) {
    case 0:
        checkBytes(QByteArrayView(rest, n));
        checkText(cp1252::decode(QByteArrayView(rest, n)));
        break;
    case 1: checkText(QString::fromUtf8(rest, n)); break;
    case 2: {
        QString text(n / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < n / 2; ++i)
            text[i] = QChar(char16_t(static_cast<unsigned char>(rest[2 * i]) |
                                     (static_cast<unsigned char>(rest[2 * i + 1]) << 8)));
        checkText(text);
        break;
    }
    }
    return 0;
}
