#pragma once

#include "base/progressview.h"
#include "organize/organizelist.h"

#include <QStringList>

#include <functional>

// A progress view that records what a command reports, and a button that records its
// captions; both can run a callback, so a test can click Cancel in the middle of a run.
class FakeProgressView final : public ProgressView {
  public:
    void Status(int index, const QString &text) override {
        (index == 1 ? status1 : status2) << text;
        if (onStatus)
            onStatus(index, text);
    }
    void SetProgressMax(int max) override {
        value = 0;
        if (max > 0)
            maximum = max;
    }
    void SetProgress(int v) override { value = v; }
    void EnableButtons(bool enable) override { enables << enable; }

    QStringList status1;
    QStringList status2;
    int maximum = 0;
    int value = 0;
    QList<bool> enables;
    std::function<void(int, const QString &)> onStatus;
};

class FakeButton final : public CommandButton {
  public:
    explicit FakeButton(QString text) : caption(std::move(text)) {}
    QString Caption() const override { return caption; }
    void SetCaption(const QString &c) override {
        caption = c;
        captions << c;
    }
    void SetEnabled(bool e) override { enabled = e; }

    QString caption;
    QStringList captions;
    bool enabled = true;
};
