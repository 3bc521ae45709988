#pragma once

#include "base/dialogseam.h"

/**
 * The dialog seam of a batch command: messages go to standard error as lines, every
 * question is declined and no window or program is opened. Installs itself for its
 * lifetime.
 */
class ConsoleDialogs final : public QuietDialogs {
  public:
    ConsoleDialogs();
    ~ConsoleDialogs() override;
    ConsoleDialogs(const ConsoleDialogs &) = delete;
    ConsoleDialogs &operator=(const ConsoleDialogs &) = delete;

    MsgResult Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                      const QString &title = QString()) override;
};
