#pragma once

#include <QString>

/**
 * How a long command reports and locks the window: the main window implements it, batch
 * programs and tests provide their own.
 */
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    /** Panel 1: what is being done; panel 2: counts. Lets pending events run once. */
    virtual void Status(int index, const QString &text) = 0;
    /** Value to 0, then the maximum (a maximum of 0 is refused and the old one stays). */
    virtual void SetProgressMax(int max) = 0;
    /** The progress value (a value above the maximum is refused). */
    virtual void SetProgress(int value) = 0;
    /** Enables or disables every command of the window. */
    virtual void EnableButtons(bool enable) = 0;
};

/** Shows nothing: for batch programs and benchmarks. */
class NoProgressView final : public ProgressView {
  public:
    void Status(int, const QString &) override {}
    void SetProgressMax(int) override {}
    void SetProgress(int) override {}
    void EnableButtons(bool) override {}
};
