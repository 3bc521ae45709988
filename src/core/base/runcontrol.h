#pragma once

#include <atomic>

/**
 * The requests a user makes of one running command (Load, Organize, Export): Cancel, or
 * closing the window meanwhile. The window that starts a run owns one, resets it before the
 * run and sets it from its Cancel button or close box; the command's loop asks it between
 * files. Atomic so a worker may ask too.
 */
class RunControl {
  public:
    /** Clears both requests; called before a run starts. */
    void Reset() {
        m_cancel = false;
        m_close = false;
    }
    /** The user pressed Cancel: the loop stops at the next file. */
    void RequestCancel() { m_cancel = true; }
    /**
     * The window is being closed: the loop stops like a Cancel and the run ends without its
     * closing message.
     */
    void RequestClose() {
        m_close = true;
        m_cancel = true;
    }
    bool CancelRequested() const { return m_cancel; }
    bool CloseRequested() const { return m_close; }

  private:
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_close{false};
};
