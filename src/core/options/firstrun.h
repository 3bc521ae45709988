#pragma once

/**
 * Reads the first-run mark; on the first start of a user writes it ("no") at once and
 * returns true, so the welcome question is asked exactly once per user.
 */
bool TakeFirstRun();
