// Precompiled for every test program; window tests add the widget headers.
#include <QtCore>
#include <QtNetwork>
#include <QtTest>
#ifdef SORTIVA_TEST_GUI
#include <QtGui>
#include <QtWidgets>
#endif
