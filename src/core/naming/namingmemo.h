#pragma once

// The per-load caches of the naming rules, private to src/core/naming: a NamingContext owns
// one Caches value, and the rules that fill it define what its entries mean.

#include "naming/foldername.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace NamingMemo {
// The names of one artist candidate. A result is kept only when it did not depend on the rest
// of the file name beyond whether "trans" occurs in it (the slot also holds the
// primary-artist option), so a hit answers exactly as the derivation would.
struct TailAnswers {
    FolderNameResult result[4];
    bool known[4] = {false, false, false, false};
};

// What a tag block gave: no name at all (the file name decides), or a finished result.
struct TagAnswer {
    bool named = false;
    FolderNameResult result;
};

// A byte range of the tag block that a folder name is built from.
struct ByteRange {
    int offset;
    int width;
};

// Enough for every artist of a large collection; past it a cache starts afresh.
inline constexpr qsizetype kLimit = 65536;

struct Caches {
    // NormalizeArtist's answers by raw text.
    QHash<QString, QString> artists;
    // DeriveFolderName's answers by artist candidate.
    QHash<QString, TailAnswers> tails;
    // Tag names by the bytes of the fields the name is built from.
    QHash<QByteArray, TagAnswer> tags;
    // The byte ranges of those fields in the list's order; filled on first use.
    std::vector<ByteRange> tagKeyRanges;
    bool tagKeyReady = false;
};
} // namespace NamingMemo
