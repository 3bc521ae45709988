#pragma once

#include <QDialog>

class QLabel;

/** About window: picture, product name, running version, description and credits. */
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    /** Opens the one About window (not modal, owned by @p owner), or raises it. */
    static FrmAbout *Open(QWidget *owner);
    /** The open About window, or nullptr. */
    static FrmAbout *Instance();

    QLabel *lblVersion = nullptr;

private:
    explicit FrmAbout(QWidget *owner);
    ~FrmAbout() override;
};
