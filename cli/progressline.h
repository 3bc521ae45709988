#pragma once

#include "base/progressview.h"

#include <QElapsedTimer>
#include <QString>

class QCommandLineParser;

/**
 * The one line a long command keeps on standard error while it works, redrawn in place and
 * erased at the end: the folder being read during a search, then the items done of their
 * total, the rate and the time left. Shown only when standard error is a terminal and
 * --quiet is not given; SORTIVA_STDERR_TTY=1 or 0 settles the terminal question for tests.
 * As a ProgressView it follows an organize run's steps.
 */
class ProgressLine final : public ProgressView {
  public:
    /** Adds --quiet to a command's options. */
    static void AddOption(QCommandLineParser &parser);
    /** Decides once whether the line is shown; @p parser holds the command's options. */
    explicit ProgressLine(const QCommandLineParser &parser);
    ~ProgressLine() override;
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    /** A search is reading @p folder. */
    void Reading(const QString &folder);
    /** A new pass over @p total items ("Naming", 120, "files"). */
    void Begin(const QString &verb, int total, const QString &unit = QStringLiteral("files"));
    /** @p done items of the pass are done; @p detail (a name) may follow the counts. */
    void Step(int done, const QString &detail = QString());
    /** Takes the line off the terminal, before a command's closing words. */
    void Erase();
    /** Writes @p text to standard output, out of the line's way when both share a terminal. */
    void Print(const QString &text);

    void Status(int, const QString &) override {}
    void SetProgressMax(int max) override { m_total = max; }
    void SetProgress(int value) override { Step(value); }
    void EnableButtons(bool) override {}

  private:
    /** True when the line is shown and a redraw is due (@p now: whatever the time). */
    bool Due(bool now) const;
    /** The line as it reads now. */
    QString Text() const;
    void Draw();

    bool m_on = false;
    bool m_stdoutShared = false;
    bool m_drawn = false;
    bool m_reading = false; // a search pass: the line names the folder
    QString m_verb;
    QString m_unit;
    int m_total = 0;
    int m_done = 0;
    QString m_detail;
    QElapsedTimer m_pass;
    QElapsedTimer m_lastDraw;
};
