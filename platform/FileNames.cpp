#include "platform/FileNames.h"

#include "player/WideName.h"

#include <QUrl>

#include <filesystem>
#include <system_error>

namespace {

using player::appendUtf8;

constexpr char16_t kEscapeBase = static_cast<char16_t>(player::kByteEscapeBase);

// Length of the valid UTF-8 sequence at the start of `bytes` and its code point;
// 0 when the first byte does not begin one (overlong forms and surrogates included).
int validSequence(std::string_view bytes, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < static_cast<std::size_t>(length)) return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

QString DecodeFileName(std::string_view bytes) {
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        char32_t codePoint = 0;
        const int length = validSequence(bytes, codePoint);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes.front())));
            bytes.remove_prefix(1);
            continue;
        }
        name += QString::fromUcs4(&codePoint, 1);
        bytes.remove_prefix(static_cast<std::size_t>(length));
    }
    return name;
}

std::string EncodeFileName(const QString& name) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && QChar::isLowSurrogate(name[i + 1].unicode())) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - kEscapeBase);
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(bytes, 0xFFFD);  // a stray half of a pair is no name's byte
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::wstring WideFileName(const QString& name) {
    std::wstring wide;
    wide.reserve(static_cast<std::size_t>(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && QChar::isLowSurrogate(name[i + 1].unicode())) {
            wide += static_cast<wchar_t>(QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else {
            wide += static_cast<wchar_t>(unit);
        }
    }
    return wide;
}

QUrl LocalFileUrl(const QString& name) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(EncodeFileName(name), error);
    if (error) path = EncodeFileName(name);
    const QByteArray bytes = QByteArray::fromStdString(path.lexically_normal().string());
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
}

QString FileNameFromLocalUrl(const QByteArray& encodedUrl) {
    const QUrl url = QUrl::fromEncoded(encodedUrl);
    if (!url.isLocalFile()) return QString();
    // A name on another host is Qt's to spell ("//host/path"); it is not ours to open.
    if (!url.host().isEmpty() && url.host() != QStringLiteral("localhost")) return url.toLocalFile();
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return DecodeFileName(std::string_view(path.constData(), static_cast<std::size_t>(path.size())));
}
