#include "store/Cp1252.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace cp1252 {

namespace {

struct LowerTable {
    unsigned char t[256];
    constexpr LowerTable() : t{} {
        for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
        for (int i = 'A'; i <= 'Z'; ++i) t[i] = static_cast<unsigned char>(i + 32);
        for (int i = 0xC0; i <= 0xDE; ++i)
            if (i != 0xD7) t[i] = static_cast<unsigned char>(i + 32);
        t[0x8A] = 0x9A;  // Š
        t[0x8C] = 0x9C;  // Œ
        t[0x8E] = 0x9E;  // Ž
        t[0x9F] = 0xFF;  // Ÿ
    }
};
constexpr LowerTable table;

// Bytes 0x80..0x9F are the only ones where the code page differs from Latin-1.
bool latin1Suffices(QByteArrayView bytes) {
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) return false;
    }
    return true;
}

}  // namespace

const unsigned char lowerTable[256] = {
#define ROW(i) table.t[i], table.t[i + 1], table.t[i + 2], table.t[i + 3], table.t[i + 4], table.t[i + 5], \
               table.t[i + 6], table.t[i + 7]
    ROW(0),   ROW(8),   ROW(16),  ROW(24),  ROW(32),  ROW(40),  ROW(48),  ROW(56),
    ROW(64),  ROW(72),  ROW(80),  ROW(88),  ROW(96),  ROW(104), ROW(112), ROW(120),
    ROW(128), ROW(136), ROW(144), ROW(152), ROW(160), ROW(168), ROW(176), ROW(184),
    ROW(192), ROW(200), ROW(208), ROW(216), ROW(224), ROW(232), ROW(240), ROW(248),
#undef ROW
};

// The character of each byte, taken once from the platform's Windows-1252
// decoder (every byte is one character in this code page).
static const char16_t* decodeTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) t[size_t(b)] = char16_t(b);
        for (int b = 0x80; b <= 0x9F; ++b) {
            QStringDecoder decoder("windows-1252");
            const char c = char(b);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            if (s.size() == 1) t[size_t(b)] = s.front().unicode();
        }
        return t;
    }();
    return table.data();
}

QString decode(QByteArrayView bytes) {
    // Texts without any of the 32 bytes where the code page and Latin-1 differ
    // (the common case: German text) take Qt's fast Latin-1 path.
    if (latin1Suffices(bytes)) return QString::fromLatin1(bytes);
    const char16_t* table = decodeTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (char c : bytes) *out++ = table[static_cast<unsigned char>(c)];
    return text;
}

QByteArray encode(QStringView text) {
    bool plain = true;
    for (QChar c : text)
        if (c.unicode() > 0x7F) { plain = false; break; }
    if (plain) return text.toLatin1();
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

bool canEncode(QStringView text) { return unencodable(text).isEmpty(); }

QString unencodable(QStringView text) {
    QString missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the 16-bit range is a pair of surrogates; a lone
        // surrogate is a character of its own, never taken with the next one.
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        QStringView ch = text.mid(i, pair ? 2 : 1);
        const ushort u = ch.front().unicode();
        bool ok;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            ok = true;
        else
            ok = ch.size() == 1 && decode(encode(ch)) == ch && encode(ch) != "?";
        if (!ok && !missing.contains(ch)) missing += ch;
        i += ch.size() - 1;
    }
    return missing;
}

QString transliterate(const QString& text, QStringList* replaced) {
    static const QHash<QChar, QString> special = {
        {QChar(0x0151), QStringLiteral("ö")}, {QChar(0x0150), QStringLiteral("Ö")},
        {QChar(0x0171), QStringLiteral("ü")}, {QChar(0x0170), QStringLiteral("Ü")},
        {QChar(0x0111), QStringLiteral("dj")}, {QChar(0x0110), QStringLiteral("Dj")},
        {QChar(0x0142), QStringLiteral("l")}, {QChar(0x0141), QStringLiteral("L")},
    };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (canEncode(QStringView(text).mid(i, 1)) || c.isSurrogate()) {
            out += c;
            continue;
        }
        QString repl = special.value(c);
        if (repl.isEmpty()) {
            // The letter without its combining marks, if that is a letter of the code page.
            QString base;
            for (QChar d : QString(c).normalized(QString::NormalizationForm_D))
                if (d.category() != QChar::Mark_NonSpacing) base += d;
            if (!base.isEmpty() && base != QString(c) && canEncode(base)) repl = base;
        }
        if (repl.isEmpty()) {
            out += c;
            continue;
        }
        out += repl;
        const QString pair = QString(c) + QStringLiteral(" → ") + repl;
        if (replaced && !replaced->contains(pair)) replaced->append(pair);
    }
    return out;
}

}  // namespace cp1252
