#pragma once

// The per-load caches of the naming rules, private to src/core/naming: a NamingContext owns
// one Caches value, and the rules that fill it define what its entries mean.

#include "base/replaceitem.h"
#include "naming/foldername.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

namespace NamingMemo {
// The characters of a text, case-folded, as a set of ASCII codes, and its pairs of
// neighbouring characters as a hashed set; any other character marks the set as "may match
// anything", since folding can map it onto ASCII. A text found in another has all its
// characters and all its pairs there, so a missing one rules the search out.
struct AsciiSet {
    static constexpr int kPairWords = 8; // 512 pair bits
    quint64 bits[2] = {0, 0};
    quint64 pairs[kPairWords] = {};
    bool wild = false;

    explicit AsciiSet(QStringView s) {
        char16_t previous = 0;
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t u = s[i].unicode();
            if (u >= 128) {
                wild = true;
                break;
            }
            const char16_t f = (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
            bits[f >> 6] |= quint64(1) << (f & 63);
            if (i > 0) {
                const unsigned h = PairIndex(previous, f);
                pairs[h >> 6] |= quint64(1) << (h & 63);
            }
            previous = f;
        }
    }
    static unsigned PairIndex(char16_t a, char16_t b) {
        return (unsigned(a) * 37u + b) & (kPairWords * 64 - 1);
    }
    bool HasPair(unsigned h) const { return ((pairs[h >> 6] >> (h & 63)) & 1) != 0; }
};

// A rule's old text as the checks against an AsciiSet need it: its letters and the pair
// indices of its first neighbours (enough to rule out nearly every name).
struct NeedleKey {
    static constexpr int kMaxPairs = 15;
    quint64 bits[2] = {0, 0};
    quint16 pairIndex[kMaxPairs] = {};
    int pairCount = 0;
    bool wild = false;

    explicit NeedleKey(QStringView s) {
        const AsciiSet set(s);
        wild = set.wild;
        bits[0] = set.bits[0];
        bits[1] = set.bits[1];
        for (qsizetype i = 1; !wild && i < s.size() && pairCount < kMaxPairs; ++i) {
            const auto fold = [](char16_t u) {
                return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
            };
            pairIndex[pairCount++] =
                quint16(AsciiSet::PairIndex(fold(s[i - 1].unicode()), fold(s[i].unicode())));
        }
    }
    // True when the text may hold this needle.
    bool MayOccurIn(const AsciiSet &text) const {
        if (wild || text.wild)
            return true;
        if ((bits[0] & ~text.bits[0]) != 0 || (bits[1] & ~text.bits[1]) != 0)
            return false;
        for (int k = 0; k < pairCount; ++k)
            if (!text.HasPair(pairIndex[k]))
                return false;
        return true;
    }
};

// One built-in rule as the built-in pass last saw it; a shared copy of its old text, so the
// same data pointer means the same, unchanged text.
struct PreparedRule {
    const ReplaceItem *item = nullptr;
    QString oldVal;
    NeedleKey letters{QStringView()};
};

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
    // The built-in rules, prepared for the quick "cannot occur" test.
    std::vector<PreparedRule> builtInRules;
    // DeriveFolderName's answers by artist candidate.
    QHash<QString, TailAnswers> tails;
    // Tag names by the bytes of the fields the name is built from.
    QHash<QByteArray, TagAnswer> tags;
    // The byte ranges of those fields in the list's order; filled on first use.
    std::vector<ByteRange> tagKeyRanges;
    bool tagKeyReady = false;
};
} // namespace NamingMemo
