#pragma once
// The engine's and the rules' English words in the window's language.
//
// The engine and the profile rules are free of Qt and speak English: the command
// line prints their reasons as they are and scripts read them. The windows show
// the same reasons translated: a catalogue of every text they can give, each a
// pattern whose "%1", "%2"... stand for the parts that vary (a path, a number, an
// FFmpeg error, or a shorter text of the catalogue, itself translated), is matched
// against the English and rendered with its translation. A text the catalogue
// does not know is shown as it is. UI thread only (the translator is global).

#include <QString>

#include <string>
#include <vector>

// `english` (a row's failure reason, a note, a refused setting's detail) in the
// window's language.
QString EngineText(const std::string& english);
QString EngineText(const QString& english);

// The catalogue's patterns as the code gives them (the translations' source texts,
// context "EngineText"), in the order they are tried.
std::vector<const char*> EngineTextPatterns();
