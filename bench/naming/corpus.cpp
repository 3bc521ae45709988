// Writes a media corpus for the naming benchmark: N small files with realistic names made
// from a chart list (artist<TAB>title lines), spread over folders up to three levels deep,
// a third of them ending in an ID3 v1.1 tag.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <random>

namespace {
struct Song {
    QString artist;
    QString title;
};

QByteArray Field(const QString &text, int width) {
    QByteArray b = text.toLatin1().left(width);
    return b + QByteArray(width - b.size(), '\0');
}

QByteArray TagBlock(const Song &s, int track, int genre, std::mt19937 &rng) {
    QByteArray b = "TAG";
    b += Field(s.title, 30);
    b += Field(s.artist, 30);
    b += Field(QStringLiteral("Greatest Hits Vol. %1").arg(rng() % 5 + 1), 30);
    b += Field(QString::number(1960 + rng() % 60), 4);
    b += Field(QString(), 28);
    b += '\0';
    b += char(track);
    b += char(genre);
    return b;
}

QString Clean(QString s) {
    s.replace(QLatin1Char('/'), QLatin1Char('-'));
    return s;
}
} // namespace

// An ID3v2.3 tag with title, artist and album frames (Latin-1 text), for the all-tags figure.
QByteArray Id3v2Tag(const Song &s) {
    QByteArray frames;
    const auto frame = [&frames](const char *id, const QString &text) {
        const QByteArray body = '\0' + text.toLatin1();
        const quint32 n = quint32(body.size());
        const char size[4] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
        frames += QByteArray(id) + QByteArray(size, 4) + QByteArray(2, '\0') + body;
    };
    frame("TIT2", s.title);
    frame("TPE1", s.artist);
    frame("TALB", s.artist + QStringLiteral(" Live"));
    const quint32 n = quint32(frames.size());
    const char size[4] = {char((n >> 21) & 0x7F), char((n >> 14) & 0x7F), char((n >> 7) & 0x7F),
                          char(n & 0x7F)};
    return QByteArray("ID3\x03\0\0", 6) + QByteArray(size, 4) + frames;
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // "id3v2": every file starts with an ID3v2 tag (the MP3s of the all-tags figure).
    const bool id3v2 = args.size() == 5 && args[4] == QLatin1String("id3v2");
    if (args.size() != 4 && !id3v2) {
        std::fprintf(stderr, "usage: bench_naming_corpus SONGS.tsv COUNT DIR [id3v2]\n");
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    std::vector<Song> songs;
    QTextStream ts(&in);
    while (!ts.atEnd()) {
        const QStringList parts = ts.readLine().split(QLatin1Char('\t'));
        if (parts.size() >= 2 && !parts[0].isEmpty() && !parts[1].isEmpty())
            songs.push_back({Clean(parts[0]), Clean(parts[1])});
    }
    if (songs.empty()) {
        std::fprintf(stderr, "no songs in %s\n", qPrintable(args[1]));
        return 2;
    }
    const int count = args[2].toInt();
    const QString root = args[3];

    // Folders: the root with 500 below it, 10 first-level, 10x7 second-level, 10x7x6 third.
    QStringList folders{root};
    for (int a = 0; a < 10; ++a) {
        const QString fa = root + QStringLiteral("/Collection %1").arg(a);
        folders << fa;
        for (int b = 0; b < 7; ++b) {
            const QString fb = fa + QStringLiteral("/Disc %1").arg(b);
            folders << fb;
            for (int c = 0; c < 6; ++c)
                folders << fb + QStringLiteral("/part_%1").arg(c);
        }
    }
    for (const QString &f : folders)
        QDir().mkpath(f);

    std::mt19937 rng(20261206u);
    QSet<QString> used;
    const QByteArray audio(1024, '\x55');
    const char *const extensions[] = {".mp3", ".mp3", ".mp3", ".mp3", ".MP3", ".wma", ".ogg"};
    for (int i = 0; i < count; ++i) {
        const Song &s = songs[rng() % songs.size()];
        const Song &other = songs[rng() % songs.size()];
        const int track = int(rng() % 20) + 1;
        QString name;
        switch (rng() % 10) {
        case 0:
        case 1:
        case 2:
            name = s.artist + QStringLiteral(" - ") + s.title;
            break;
        case 3:
            name = QStringLiteral("%1 - ").arg(track, 2, 10, QLatin1Char('0')) + s.artist +
                   QStringLiteral(" - ") + s.title;
            break;
        case 4:
            name = s.artist + QStringLiteral(" feat. ") + other.artist + QStringLiteral(" - ") +
                   s.title;
            break;
        case 5:
            name = s.artist + QStringLiteral(" - ") + s.title + QStringLiteral(" (Remix) [Live]");
            break;
        case 6:
            name = s.title;
            break;
        case 7:
            name = QString(s.artist + QStringLiteral("_-_") + s.title)
                       .replace(QLatin1Char(' '), QLatin1Char('_'));
            break;
        case 8:
            name = QStringLiteral("%1. ").arg(track) + s.artist + QStringLiteral(" ft ") +
                   other.artist + QStringLiteral(" - ") + s.title;
            break;
        default:
            name = s.artist.toLower() + QStringLiteral("-") + s.title.toLower();
            break;
        }
        const QString folder = folders[int(rng() % folders.size())];
        const QString ext = QString::fromLatin1(extensions[rng() % std::size(extensions)]);
        QString path = folder + QLatin1Char('/') + name + ext;
        for (int n = 2; used.contains(path); ++n)
            path = folder + QLatin1Char('/') + name + QStringLiteral(" %1").arg(n) + ext;
        used.insert(path);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (id3v2)
            f.write(Id3v2Tag(s));
        f.write(audio);
        f.write(i % 3 == 0 ? TagBlock(s, track, int(rng() % 148), rng) : QByteArray(128, '\x55'));
    }
    std::printf("%d files in %lld folders under %s\n", count,
                static_cast<long long>(folders.size()), qPrintable(root));
    return 0;
}
