#include "tags/genres.h"

#include <QFile>
#include <QStringList>

namespace {
// Tag writers use indices past the classic table for the Winamp extensions; those names
// are kept in the resource but never shown, because other players disagree about them. The
// last two of the 195 slots, past the Winamp list, hold "Unknown".
constexpr int kShownGenres = 148;

QStringList &Genres() {
    static QStringList list;
    return list;
}
} // namespace

void LoadGenres() {
    QFile resource(QStringLiteral(":/genres.txt"));
    if (!resource.open(QIODevice::ReadOnly)) {
        Genres().clear();
        return;
    }
    const QString text = QString::fromUtf8(resource.readAll());
    Genres() = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\t'));
}

QString GenreName(int index) {
    if (index < 0 || index >= kShownGenres || index >= Genres().size())
        return QStringLiteral("Unknown");
    return Genres().at(index);
}

int GenreCount() {
    return int(Genres().size());
}
