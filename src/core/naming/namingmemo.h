#pragma once

#include <QtGlobal>

/**
 * What the naming code shares about the NormalizeArtistMemo scope of this thread, so that
 * other per-load caches live exactly as long as the artist memo does.
 */
namespace NamingMemo {
/** True while a NormalizeArtistMemo lives on this thread. */
bool Active();
/** A number that changes each time an outermost NormalizeArtistMemo begins. */
quint64 Generation();
/**
 * Counts the questions the word fix-ups ask of a file's context text. A cache of their
 * answers may only keep a result for which the count did not move.
 */
inline thread_local quint64 ContextQuestions = 0;
} // namespace NamingMemo
