#pragma once
#include <QByteArray>
#include <QtGlobal>

// ctest passes only one environment variable reliably through discovered tests, and a test binary
// may also be run by hand: the defaults every suite expects are set here unless given.
inline void set_test_environment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", QByteArray("dummy"));
#ifdef QL_KORVEX_BUILT
    if (qEnvironmentVariableIsEmpty("QL_KORVEX_PATH")) qputenv("QL_KORVEX_PATH", QByteArray(QL_KORVEX_BUILT));
#endif
}
