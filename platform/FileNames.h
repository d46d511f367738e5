#pragma once
// File names as the file system holds them: bytes, UTF-8 as a rule but not always
// (a name copied from an old disk may be Latin-1). Qt's own conversion
// (QFile::decodeName) turns every byte that is not UTF-8 into U+FFFD, so such a file
// could be shown but never opened again. These two keep every byte: valid UTF-8 is
// read as text, and any other byte b becomes the lone low surrogate U+DC00 + b
// (U+DC80..U+DCFF), which no valid text holds and which encodes back to b.
// A name in valid UTF-8 gives exactly what QString::fromStdString/toStdString give.

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <string>
#include <string_view>

QString DecodeFileName(std::string_view bytes);
std::string EncodeFileName(const QString& name);

// The wide name the player module takes, with the escaped bytes kept as their lone
// surrogates (QString::toStdWString would turn them into U+FFFD).
std::wstring WideFileName(const QString& name);

// "file://" + the absolute form of `name` with its bytes escaped, so a file manager
// is shown the very folder (QUrl::fromLocalFile would spell it in UTF-8).
QUrl LocalFileUrl(const QString& name);

// A local file address ("file:///tmp/caf%E9.avi") as such a name, its escaped bytes
// kept; an empty text for an address that is no local file.
QString FileNameFromLocalUrl(const QByteArray& encodedUrl);
