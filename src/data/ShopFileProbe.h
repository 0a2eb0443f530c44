#pragma once
#include <QString>

// Tells what is the matter with a shop file before a tool works on it, so that each trouble gets
// its own words and the person knows what to do: a file that is not there or is no shop, a shop
// another program holds, a damaged (cut or overwritten) one, one on media that cannot be written
// (when the tool must write), and one a newer program wrote. Only reads the file.
namespace ShopFileProbe {

enum class Kind { Good, Missing, NotAShop, Busy, Damaged, ReadOnly, Newer };

struct Finding {
    Kind kind = Kind::Good;
    QString message;  // empty when good
};

enum class Use { Read, Write };

// `use` Write also refuses a file or folder that cannot be written. `fullCheck` reads every page
// (the engine's integrity check): slow on a big shop, for tools that copy it all anyway.
Finding Examine(const QString& path, Use use, bool fullCheck = false);

// The kind an engine's refusal text speaks of (busy, damaged), else NotAShop.
Kind KindOfEngineText(const QString& text);

// True when the file or its folder cannot be written (the mode bits count even for root): a
// shop on read-only media, read through a read-only connection.
bool OnReadOnlyMedia(const QString& path);

}
