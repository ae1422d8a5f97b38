#include "platform/profile/profile_encoding.h"

#include "platform/profile/windows_1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace tvx {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LEBom("\xFF\xFE");
const QByteArray kUtf16BEBom("\xFE\xFF");

// Decodes without the byte-order mark; no value when the bytes are not valid.
std::optional<QString> decodeStrictly(QStringConverter::Encoding encoding, const QByteArray& bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

QByteArray encodeWith(QStringConverter::Encoding encoding, const QString& text, bool withBom) {
    QStringEncoder encoder(encoding, withBom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

}  // namespace

ProfileText decodeProfile(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Bom)) {
        const QByteArray body = bytes.mid(kUtf8Bom.size());
        return {decodeStrictly(QStringConverter::Utf8, body).value_or(fromWindows1252(body)),
                ProfileEncoding::Utf8WithBom};
    }
    if (bytes.startsWith(kUtf16LEBom)) {
        return {QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(2)), ProfileEncoding::Utf16LE};
    }
    if (bytes.startsWith(kUtf16BEBom)) {
        return {QStringDecoder(QStringConverter::Utf16BE).decode(bytes.mid(2)), ProfileEncoding::Utf16BE};
    }
    if (!isAscii(bytes)) {
        if (auto text = decodeStrictly(QStringConverter::Utf8, bytes)) return {*text, ProfileEncoding::Utf8};
    }
    return {fromWindows1252(bytes), ProfileEncoding::Windows1252};
}

QByteArray encodeProfile(const QString& text, ProfileEncoding encoding) {
    switch (encoding) {
        case ProfileEncoding::Windows1252:
            // Bytes that happen to be valid UTF-8 would be read back as UTF-8 ("Ã§" as "ç"):
            // such a text is written as UTF-8, as one the code page cannot hold.
            if (auto bytes = toWindows1252(text);
                bytes && (isAscii(*bytes) || !decodeStrictly(QStringConverter::Utf8, *bytes)))
                return *bytes;
            return encodeWith(QStringConverter::Utf8, text, false);
        case ProfileEncoding::Utf8:
            return encodeWith(QStringConverter::Utf8, text, false);
        case ProfileEncoding::Utf8WithBom:
            return encodeWith(QStringConverter::Utf8, text, true);
        case ProfileEncoding::Utf16LE:
            return encodeWith(QStringConverter::Utf16LE, text, true);
        case ProfileEncoding::Utf16BE:
            return encodeWith(QStringConverter::Utf16BE, text, true);
    }
    return {};
}

}  // namespace tvx
