// Precompiled for every test program.
#include <QtCore>
#include <QtGui>
#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>
