#pragma once

#include <QDialog>

class QLabel;

/** About window: picture, product name, running version, description and credits. */
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    /** Opens the one About window (not modal, owned by @p owner), or raises it. */
    static AboutDialog *Open(QWidget *owner);
    /** The open About window, or nullptr. */
    static AboutDialog *Instance();

    QLabel *lblVersion = nullptr;

private:
    explicit AboutDialog(QWidget *owner);
    ~AboutDialog() override;
};
