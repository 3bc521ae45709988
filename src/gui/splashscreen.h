#pragma once

#include <QWidget>

class QLabel;

/** Splash window: the logo, the product name, the slogan and the version, for two seconds. */
class SplashScreen : public QWidget {
    Q_OBJECT
  public:
    explicit SplashScreen(QWidget *parent = nullptr);

  private:
    QLabel *m_versionLabel = nullptr;
};
