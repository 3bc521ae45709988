#include "progressline.h"

#include "clicommand.h"
#include "printable.h"

#include "base/nativepath.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cwchar>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// Redrawing more often only costs time on a slow terminal or link.
constexpr qint64 kRedrawMs = 100;

bool StderrIsTerminal() {
    const QByteArray forced = qgetenv("SORTIVA_STDERR_TTY");
    if (forced == "1" || forced == "0")
        return forced == "1";
    return ::isatty(STDERR_FILENO) == 1 && qgetenv("TERM") != "dumb";
}

int TerminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && columns > 0 ? columns : 80;
}

// The text cut to fit @p columns terminal cells: a line that wraps can no longer be
// redrawn in place. Wide characters (CJK names) take two cells.
QString FitColumns(const QString &text, int columns) {
    int used = 0;
    qsizetype end = 0;
    for (const char32_t c : text.toUcs4()) {
        const int known = ::wcwidth(static_cast<wchar_t>(c));
        const int w = known < 0 ? 1 : known; // unknown to the C locale: assume one cell
        if (used + w > columns)
            break;
        used += w;
        end += c > 0xFFFF ? 2 : 1;
    }
    return text.left(end);
}

QString Duration(qint64 seconds) {
    const auto two = [](qint64 n) {
        return QString::number(n).rightJustified(2, QLatin1Char('0'));
    };
    if (seconds >= 3600)
        return QString::number(seconds / 3600) + QLatin1Char(':') + two(seconds / 60 % 60) +
               QLatin1Char(':') + two(seconds % 60);
    return QString::number(seconds / 60) + QLatin1Char(':') + two(seconds % 60);
}

void WriteErr(const QByteArray &bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}
} // namespace

void ProgressLine::AddOption(QCommandLineParser &parser) {
    parser.addOption({QStringLiteral("quiet"), QStringLiteral("Show no progress line.")});
}

ProgressLine::ProgressLine(const QCommandLineParser &parser)
    : m_on(!parser.isSet(QStringLiteral("quiet")) && StderrIsTerminal()),
      m_stdoutShared(::isatty(STDOUT_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    Erase();
}

void ProgressLine::Reading(const QString &folder) {
    const bool newPass = !m_reading;
    if (newPass)
        Begin(QStringLiteral("Reading"), 0);
    m_reading = true;
    m_detail = folder;
    if (Due(newPass))
        Draw();
}

void ProgressLine::Begin(const QString &verb, int total, const QString &unit) {
    m_reading = false;
    m_verb = verb;
    m_unit = unit;
    m_total = total;
    m_done = 0;
    m_detail.clear();
    m_pass.start();
}

void ProgressLine::Step(int done, const QString &detail) {
    m_done = done;
    m_detail = detail;
    // The first and the last step always show, so a short pass is seen whole.
    if (Due(done <= 1 || done >= m_total))
        Draw();
}

QString ProgressLine::Text() const {
    if (m_reading)
        return QStringLiteral("Reading ") + Printable(ReadableName(m_detail));
    QString text = m_verb + QLatin1Char(' ') + QString::number(m_done) + QStringLiteral(" of ") +
                   QString::number(m_total) + QLatin1Char(' ') + m_unit;
    // A rate from the first half second says more about start-up than about the work.
    const qint64 ms = m_pass.elapsed();
    if (m_done > 0 && ms >= 500) {
        const double perSecond = m_done * 1000.0 / static_cast<double>(ms);
        text += QStringLiteral(", ") + QString::number(perSecond, 'f', perSecond < 10 ? 1 : 0) +
                QLatin1Char(' ') + m_unit + QStringLiteral("/s");
        if (m_done < m_total)
            text += QStringLiteral(", ") +
                    Duration(static_cast<qint64>((m_total - m_done) / perSecond + 0.5)) +
                    QStringLiteral(" left");
    }
    if (!m_detail.isEmpty())
        text += QStringLiteral("  ") + Printable(m_detail);
    return text;
}

bool ProgressLine::Due(bool now) const {
    return m_on && (now || !m_lastDraw.isValid() || m_lastDraw.elapsed() >= kRedrawMs);
}

void ProgressLine::Draw() {
    m_lastDraw.start();
    // One column stays free: writing into the last one makes some terminals wrap.
    WriteErr("\r" + FitColumns(Text(), TerminalColumns() - 1).toUtf8() + "\x1b[K");
    m_drawn = true;
}

void ProgressLine::Erase() {
    if (!m_drawn)
        return;
    WriteErr("\r\x1b[K");
    m_drawn = false;
}

void ProgressLine::Print(const QString &text) {
    if (!m_drawn || !m_stdoutShared) {
        Out(text);
        return;
    }
    Erase();
    Out(text);
    std::fflush(stdout);
    Draw();
}
